#pragma once

#include "media/full_rotation_mapper.h"

namespace wavora {

// The "Plane Mirror" experiment: a reflecting line across the whole tank, two cells thick, that can
// be turned in full.
class TPlaneMirror : public TBasicFullRotationRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Releasing a handle maps again, now clearing the wave in the mirror's cells.
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  // Walls in every column between this row's cell and the previous row's (and the column right of
  // each), in both rows, so the mirror has no gaps however steep it is.
  void PaintRow(int32_t x, int32_t row, bool side, int32_t previousRow, int32_t previousX) override;
  // The ray from the source to the mirror's middle (a beam's or line's along their axis) and the ray it
  // reflects; for a point source, its image behind the mirror.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;
};

}  // namespace wavora
