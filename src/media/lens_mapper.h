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
  // s of the profile: twice the surfaces' radius of curvature at the axis.
  double ProfileScale() const { return (1.0 / GetN() - 1.0) * 2.0 * F_.cells; }
  TPoint FocusHandle() const { return focus_; }
  TPoint SecondFocus() const { return secondFocus_; }
  // The lens as the last pass laid it: rows either side of the axis, and t of the profile.
  int32_t HalfAperture() const { return halfAperture_; }
  double HalfThickness() const { return halfThickness_; }

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
  int32_t halfAperture_ = 0;
  double halfThickness_ = 0;
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
  // Where the paraxial law puts the focus for the lens as mapped (the thick-lens equation with its two
  // surfaces' curvature at the axis, its thickness and its index relative to the water around it),
  // and for a point source its image.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

  int32_t GetLensType() const { return lensType_; }
  // A different type re-maps.
  void SetLensType(int32_t value);

 private:
  int32_t lensType_ = 0;
};

}  // namespace wavora
