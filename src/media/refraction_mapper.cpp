#include "media/refraction_mapper.h"

#include "media/boundary_theory.h"
#include "media/refraction_cp.h"
#include "sim/resource_strings.h"

namespace wavora {

const TClassInfo& TRefractionMapper::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TRefractionMapper>("TRefractionMapper", &TBasicFullRotationRIMapper::StaticClassInfo())
          .Texts(std::string(rs::Refraction.english), std::string(rs::RefractionDescription.english))
          .Single("n", &TBaseRIControlRIMapper::GetN, &TBaseRIControlRIMapper::SetN)
          .Build();
  return info;
}

std::unique_ptr<TControlPanelModel> TRefractionMapper::CreateControlPanel() {
  return std::make_unique<TRefractionCP>(*this);
}

void TRefractionMapper::PaintRow(int32_t x, int32_t row, bool side, int32_t, int32_t) {
  TWaterGrid& grid = *Grid();
  const float medium = MediumSpeedFactor();
  const int32_t first = side ? 1 : x;
  const int32_t last = side ? x : W() - 1;
  for (int32_t column = first; column <= last; ++column)
    grid.Cell(column, row).SpeedFactor = medium;
}

void TRefractionMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const std::optional<TBoundaryMeeting> meeting = SourceMeeting(tank);
  if (!meeting) return;
  if (const std::optional<TTheoryRay> leaving = AddRefraction(*meeting, figure))
    AddRay(figure, *leaving, ReachInTank(tank, *leaving));
}

}  // namespace wavora
