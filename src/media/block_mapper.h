#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "media/own_handles_mapper.h"

namespace wavora {

// A rectangular block of a slower medium, always centred in the tank, turned and resized with four
// handles at the midpoints of its sides. Cs and Sn hold the turn as a direction (cosine, sine); they
// are kept as stored, not renormalised.
class TBlockRIMapper : public TOwnHandlesRIMapper {
 public:
  // A handle point in grid coordinates; its cell is the rounded position.
  struct THandlePoint {
    float x = 0;
    float y = 0;
  };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void MapToWater() override;

  float GetCs() const { return cs_; }
  void SetCs(float value) { cs_ = value; }
  float GetSn() const { return sn_; }
  void SetSn(float value) { sn_ = value; }
  // Setting recomputes the extent at once; a drag that changes an extent changes its percentage.
  float GetWidthPercentage() const { return ExtentPercent(width_); }
  void SetWidthPercentage(float value) { SetExtentPercent(width_, value); }
  float GetHeightPercentage() const { return ExtentPercent(height_); }
  void SetHeightPercentage(float value) { SetExtentPercent(height_, value); }

  int32_t WidthCells() const { return width_.cells; }
  int32_t HeightCells() const { return height_.cells; }
  // 0 left, 1 bottom, 2 right, 3 top side, as laid out by the last mapping pass.
  THandlePoint Handle(int index) const { return handles_[static_cast<size_t>(index)]; }
  // The ray from the source through the middle of the face facing it (a beam's or line's along their
  // axis), refracted into the block by Snell's law and out again where it leaves; the critical angle
  // at the face it leaves by.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

 protected:
  std::vector<TExtent*> Extents() override { return {&width_, &height_}; }
  // Those of the four handles that lie on the grid.
  std::vector<TPoint> Handles() const override;
  // The last handle near the press.
  bool TakeHandle(int32_t X, int32_t Y) override;
  // Turns the dragged side towards the pointer and makes the extent across it twice the pointer's
  // distance from the centre, shrunk until the block keeps 6 cells from every edge.
  void DragHandle(int32_t X, int32_t Y) override;

 private:
  bool Fits(float cs, float sn, int32_t width, int32_t height) const;
  // The cell of handle index, or none when it lies off the grid.
  std::optional<TPoint> HandleCell(int index) const;

  float cs_ = 1;
  float sn_ = 0;
  TExtent width_{TExtent::Width};
  TExtent height_{TExtent::Height};
  std::array<THandlePoint, 4> handles_{};
  int heldIndex_ = 0;
};

}  // namespace wavora
