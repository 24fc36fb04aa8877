#pragma once

#include "media/line_mapper.h"

namespace wavora {

// The "Barrier" experiment: a wall standing on the bottom of the tank, from row 5 up to handle 2,
// between the columns of its two handles. Its body can be grabbed to move it.
class TBarrierMapper : public TBasicLineRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Handle 1 at 20 %, 0 %; handle 2 at 30 %, 50 %.
  void Init() override;
  // Handle 1 is held on row 5; the wave in the wall is cleared unless it is being dragged.
  void MapToWater() override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  // Inside the wall, right and top edges excluded.
  bool HitBody(int32_t x, int32_t y) const override;
  // The geometric shadow's edge: the line from the source past the wall's top corner that keeps the
  // rest of the wall in its shadow, on either side when the source stands above the wall; level for
  // a beam or a line.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;
  // The barrier has no settings.
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override { return nullptr; }
};

}  // namespace wavora
