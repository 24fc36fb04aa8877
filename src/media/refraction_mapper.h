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
};

}  // namespace wavora
