#pragma once

#include <cstdint>
#include <memory>

#include "sim/ri_map.h"

namespace wavora {

// The "Fibre optic" experiment: a graded-index fibre entering through a funnel at the middle of the
// left side, running straight, then snaking to the right edge along a cosine. Its one handle (point 3)
// sets the curve: its row the amplitude, its column the length of the bends. The core is slowest at
// the axis (half the cladding's speed factor), three quarters around it, the cladding value at the rim.
class TSimpleWaveGuideRIMapper : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  // The handle is laid out from its percentages without snapping: it is placed freely, not on a grid.
  void GeometryChanged() override;
  void MapToWater() override;
  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  void Draw(TFastDIB& image) override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;

  int32_t GetFibreWidth() const { return fibreWidth_; }
  void SetFibreWidth(int32_t value);
  TPoint CurveHandle() const { return Point3(); }

 private:
  int32_t fibreWidth_ = 0;
  bool curveHandleHeld_ = false;
};

}  // namespace wavora
