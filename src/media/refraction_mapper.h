#pragma once

#include "media/full_rotation_mapper.h"

namespace wavora {

// The "Refraction" experiment: a straight boundary across the tank with the slower medium n on one
// side of it.
class TRefractionMapper : public TBasicFullRotationRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  // The medium from the line to the right edge of the row, or with side set from column 1 to the line.
  void PaintRow(int32_t x, int32_t row, bool side, int32_t previousRow, int32_t previousX) override;
  // The ray from the source through the boundary's middle (a beam's or line's along their axis),
  // refracted by Snell's law with the speeds on either side; the critical angle where the far side
  // is faster.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;
};

}  // namespace wavora
