#pragma once

#include <cstdint>

#include "sim/ri_map.h"

namespace wavora {

// A lens of a slower medium set in an opaque screen that crosses the tank from top to bottom at a
// third of its width. Its profile follows from the focal length F (dragged with the focus handle)
// and the medium n: s = (1/n - 1) 2F, half-thickness t = h^2 / s over the half aperture h.
class TBasicLensRIMapper : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void GeometryChanged() override;
  void MapToWater() override;
  // The focus handle moves only sideways, between 5 cells right of the lens and the tank's edge.
  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  void Draw(TFastDIB& image) override;
  int32_t HandleKind() const override { return 7; }

  // Half-width in cells of the lens in the row j cells off its axis; negative leaves the row shut.
  virtual int32_t LensHalfWidth(int32_t j, double s, double t) const;

  // Setting recomputes F at once without re-mapping; dragging the focus changes the percentage.
  float GetFPercent() const { return fPlace_.Get(F_, W()); }
  void SetFPercent(float value);
  void KeepPlace() override;
  int32_t FocalLength() const { return F_; }
  TPoint FocusHandle() const { return focus_; }
  TPoint SecondFocus() const { return secondFocus_; }
  bool Dragging() const { return dragging_; }

 private:
  TPercentPlace fPlace_;
  int32_t F_ = 0;
  TPoint focus_;
  TPoint secondFocus_;
  bool dragging_ = false;
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
