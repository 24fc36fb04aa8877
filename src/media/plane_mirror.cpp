#include "media/plane_mirror.h"

#include <algorithm>

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

}  // namespace wavora
