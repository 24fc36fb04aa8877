#pragma once

#include <cstdint>

#include "media/own_handles_mapper.h"

namespace wavora {

// A lens of a slower medium set in an opaque screen that crosses the tank from top to bottom at a
// third of its width. Its profile follows from the focal length F (dragged with the focus handle)
// and the medium n: s = (1/n - 1) 2F, half-thickness t = h^2 / s over the half aperture h.
class TBasicLensRIMapper : public TOwnHandlesRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void MapToWater() override;
  // Half-width in cells of the lens in the row j cells off its axis; negative leaves the row shut.
  virtual int32_t LensHalfWidth(int32_t j, double s, double t) const;
  // The focus handle, and a dot at the second focus.
  void Draw(TFastDIB& image) override;

  // Setting recomputes F at once without re-mapping; dragging the focus changes the percentage.
  float GetFPercent() const { return ExtentPercent(F_); }
  void SetFPercent(float value) { SetExtentPercent(F_, value); }
  int32_t FocalLength() const { return F_.cells; }
  TPoint FocusHandle() const { return focus_; }
  TPoint SecondFocus() const { return secondFocus_; }

 protected:
  std::vector<TExtent*> Extents() override { return {&F_}; }
  std::vector<TPoint> Handles() const override { return {focus_}; }
  bool TakeHandle(int32_t X, int32_t Y) override { return NearPoint(X, H() - 1 - Y, focus_); }
  // The focus moves only sideways, between 5 cells right of the lens and the tank's edge.
  void DragHandle(int32_t X, int32_t Y) override;

 private:
  TExtent F_{TExtent::Width};
  TPoint focus_;
  TPoint secondFocus_;
};

// The lens of the "Lenses" experiment: convex (type 0) or concave (type 1), with its own panel.
class TLensMapper : public TBasicLensRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  // Convex: round(t - j^2/s), widest on the axis. Concave: round(j^2/s), one cell on the axis. Any
  // other type: j.
  int32_t LensHalfWidth(int32_t j, double s, double t) const override;

  int32_t GetLensType() const { return lensType_; }
  // A different type re-maps.
  void SetLensType(int32_t value);

 private:
  int32_t lensType_ = 0;
};

}  // namespace wavora
