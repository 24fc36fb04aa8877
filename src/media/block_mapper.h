#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "sim/ri_map.h"

namespace wavora {

// A rectangular block of a slower medium, always centred in the tank, turned and resized with four
// handles at the midpoints of its sides. Cs and Sn hold the turn as a direction (cosine, sine); they
// are kept as stored, not renormalised.
class TBlockRIMapper : public TBaseRIControlRIMapper {
 public:
  // A handle point in grid coordinates; its cell is the rounded position.
  struct THandlePoint {
    float x = 0;
    float y = 0;
  };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  // The cell extents follow the percentages on every new grid.
  void GeometryChanged() override;
  void MapToWater() override;
  // A press near a handle holds it; moving turns the dragged side towards the pointer and makes the
  // extent across it twice the pointer's distance from the centre, shrunk until the block keeps 6
  // cells from every edge.
  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  void Draw(TFastDIB& image) override;
  int32_t HandleKind() const override { return 7; }

  float GetCs() const { return cs_; }
  void SetCs(float value) { cs_ = value; }
  float GetSn() const { return sn_; }
  void SetSn(float value) { sn_ = value; }
  // Setting recomputes the extent at once; a drag that changes an extent changes its percentage.
  float GetWidthPercentage() const { return widthPlace_.Get(width_, W()); }
  void SetWidthPercentage(float value);
  float GetHeightPercentage() const { return heightPlace_.Get(height_, H()); }
  void SetHeightPercentage(float value);
  void KeepPlace() override;

  int32_t WidthCells() const { return width_; }
  int32_t HeightCells() const { return height_; }
  // 0 left, 1 bottom, 2 right, 3 top side, as laid out by the last mapping pass.
  THandlePoint Handle(int index) const { return handles_[static_cast<size_t>(index)]; }
  bool HoldsHandle() const { return held_; }

 private:
  bool Fits(float cs, float sn, int32_t width, int32_t height) const;
  // The cell of handle index, or none when it lies off the grid.
  std::optional<TPoint> HandleCell(int index) const;

  float cs_ = 1;
  float sn_ = 0;
  TPercentPlace widthPlace_;
  TPercentPlace heightPlace_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::array<THandlePoint, 4> handles_{};
  bool held_ = false;
  int heldIndex_ = 0;
};

}  // namespace wavora
