#include "media/plane_mirror.h"

#include <algorithm>

#include "media/boundary_theory.h"
#include "media/plane_mirror_cp.h"
#include "media/wall_cell.h"
#include "sim/resource_strings.h"

namespace wavora {

const TClassInfo& TPlaneMirror::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TPlaneMirror>("TPlaneMirror", &TBasicFullRotationRIMapper::StaticClassInfo())
          .Texts(std::string(rs::PlaneMirror.english), std::string(rs::PlaneMirrorDescription.english))
          .Build();
  return info;
}

void TPlaneMirror::MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  TBasicFullRotationRIMapper::MouseUp(button, shift, X, Y);
  MapToWater();
}

std::unique_ptr<TControlPanelModel> TPlaneMirror::CreateControlPanel() {
  return std::make_unique<TPlaneMirrorCP>(*this);
}

void TPlaneMirror::PaintRow(int32_t x, int32_t row, bool, int32_t previousRow, int32_t previousX) {
  // Both rows in column 1: the line lies off the left edge here.
  if (x == 1 && previousX == 1) return;
  TWaterGrid& grid = *Grid();
  const bool clearWave = !HoldsHandle3();
  const int32_t last = std::max(x, previousX);
  for (int32_t j = std::min(x, previousX); j <= last; ++j) {
    const int32_t right = j < W() - 1 ? j + 1 : j;
    for (int32_t column = j; column <= right; ++column) {
      MakeWall(grid.Cell(column, previousRow), clearWave);
      MakeWall(grid.Cell(column, row), clearWave);
    }
  }
}

void TPlaneMirror::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const std::optional<TBoundaryMeeting> meeting = SourceMeeting(tank);
  if (!meeting) return;
  const TTheoryRay reflected = AddReflection(*meeting, figure);
  AddRay(figure, reflected, ReachInTank(tank, reflected));
  if (!PointSourcePlace(tank)) return;
  // The image lies as far behind the mirror as the source is in front: S - 2 ((S - H) . n) n with H
  // on the mirror. The reflected ray seems to come from it.
  const TTheoryPoint source = meeting->start, hit = meeting->hit, n = meeting->normal;
  const double height = Dot({source.x - hit.x, source.y - hit.y}, n);
  const TTheoryPoint image{source.x - 2 * height * n.x, source.y - 2 * height * n.y};
  AddLine(figure, hit, image, true);
  figure.marks.push_back({image.x, image.y});
  AddLabel(figure, image, rs::ImageMark.Str());
}

}  // namespace wavora
