#pragma once

#include <cstdint>
#include <memory>

#include "media/own_handles_mapper.h"

namespace wavora {

// The "Fibre optic" experiment: a graded-index fibre entering through a funnel at the middle of the
// left side, running straight, then snaking to the right edge along a cosine. Its one handle (point 3)
// sets the curve: its row the amplitude, its column the length of the bends. The core is slowest at
// the axis (half the cladding's speed factor), three quarters around it, the cladding value at the rim.
class TSimpleWaveGuideRIMapper : public TOwnHandlesRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void MapToWater() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  // The curve handle's own red, whether or not the fibre is selected.
  TColour HandleColour() const override;

  int32_t GetFibreWidth() const { return fibreWidth_; }
  void SetFibreWidth(int32_t value);
  TPoint CurveHandle() const { return Point3(); }
  // The critical angle of total internal reflection at the fibre's wall where the curve starts, from
  // the speeds of the fibre's rim and of the water outside it.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

 protected:
  std::vector<TPoint> Handles() const override { return {Point3()}; }
  bool TakeHandle(int32_t X, int32_t Y) override { return NearPoint(X, H() - 1 - Y, Point3()); }
  // Within 6 cells of every edge.
  void DragHandle(int32_t X, int32_t Y) override;
  // Taking the curve handle leaves the selection as it is.
  bool SelectsOnTake() const override { return false; }

 private:
  int32_t fibreWidth_ = 0;
};

}  // namespace wavora
