#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace wavora {

// One cell of the tank: the field (height and its rate of change) and the medium (squared wave speed
// and the damping factor applied to the height every step).
struct TWaterCell {
  float Displacement;
  float Velocity;
  float SpeedFactor;  // cells^2 per step^2; 0.5 is the open tank, 0 a wall
  float Damping;      // 0.999 inside the tank, smaller in the absorbing border
};
static_assert(sizeof(TWaterCell) == 16, "cells are four packed floats: tools and the sweep rely on it");

inline constexpr float kOpenSpeedFactor = 0.5f;
inline constexpr float kOpenDamping = 0.999f;

// W x H cells stored column by column (cell [x][y] at x * H + y, y upward from the bottom row), so the
// time step walks memory in order. The tank owns it; attached objects share it.
class TWaterGrid {
 public:
  TWaterGrid(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Cells inside 1 .. W-2 x 1 .. H-2 exist only from 3 x 3 up.
  bool HasInterior() const { return width_ >= 3 && height_ >= 3; }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  TWaterCell& Cell(int32_t x, int32_t y) { return cells_[static_cast<size_t>(x) * height_ + y]; }
  const TWaterCell& Cell(int32_t x, int32_t y) const { return cells_[static_cast<size_t>(x) * height_ + y]; }
  TWaterCell* Column(int32_t x) { return cells_.data() + static_cast<size_t>(x) * height_; }
  const TWaterCell* Column(int32_t x) const { return cells_.data() + static_cast<size_t>(x) * height_; }
  TWaterCell* Data() { return cells_.data(); }
  size_t CellCount() const { return cells_.size(); }

 private:
  int32_t width_;
  int32_t height_;
  std::vector<TWaterCell> cells_;
};

using TWaterGridRef = std::shared_ptr<TWaterGrid>;

// Width of the absorbing border: round(max(40, 0.1 * min(W, H))), halves to even.
int32_t BorderWidth(int32_t width, int32_t height);

// Damping of a cell at distance k (1 .. B-1) from the edge: 0.999 * exp(-((B - k) * 0.015)^2).
float BorderDamping(int32_t borderWidth, int32_t distance);

// The open tank's medium: speed factor 0.5 and damping 0.999 everywhere, then the absorbing border.
// The field is left alone. Building a grid and re-mapping a medium both use this one rule.
void ResetMedium(TWaterGrid& grid);

}  // namespace wavora
