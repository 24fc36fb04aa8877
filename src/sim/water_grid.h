#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace wavora {

// One cell of the tank: the field (height and its rate of change) and the medium (squared wave speed
// and the damping factor applied to the height every step). The grid keeps the four fields of its
// cells apart and hands out TCellRef to reach them.
struct TWaterCell {
  float Displacement;
  float Velocity;
  float SpeedFactor;  // cells^2 per step^2; 0.5 is the open tank, 0 a wall
  float Damping;      // 0.999 inside the tank, smaller in the absorbing border
};

inline constexpr float kOpenSpeedFactor = 0.5f;
// The open tank's wave speed, cells a step: sqrt(kOpenSpeedFactor).
inline constexpr double kOpenWaveSpeed = 0.7071;
inline constexpr float kOpenDamping = 0.999f;

// A cell of the grid, read and written through its four fields: cell.Displacement = 0 changes the
// grid. F is float, or const float for a cell that is only read.
template <class F>
struct TCellRefOf {
  TCellRefOf(F& displacement, F& velocity, F& speedFactor, F& damping)
      : Displacement(displacement), Velocity(velocity), SpeedFactor(speedFactor), Damping(damping) {}
  TCellRefOf(const TCellRefOf&) = default;

  F& Displacement;
  F& Velocity;
  F& SpeedFactor;
  F& Damping;

  // A writable cell is also a read-only one.
  operator TCellRefOf<const float>() const { return {Displacement, Velocity, SpeedFactor, Damping}; }
  // Sets all four fields of a writable cell.
  const TCellRefOf& operator=(const TWaterCell& value) const requires(!std::is_const_v<F>) {
    Displacement = value.Displacement;
    Velocity = value.Velocity;
    SpeedFactor = value.SpeedFactor;
    Damping = value.Damping;
    return *this;
  }
};
using TCellRef = TCellRefOf<float>;
using TConstCellRef = TCellRefOf<const float>;

// The cells of one column, by row.
template <class F>
class TColumnOf {
 public:
  TColumnOf(F* displacements, size_t fieldStride) : at_(displacements), fieldStride_(fieldStride) {}
  TCellRefOf<F> operator[](int32_t y) const {
    F* cell = at_ + y;
    return {cell[0], cell[fieldStride_], cell[2 * fieldStride_], cell[3 * fieldStride_]};
  }

 private:
  F* at_;
  size_t fieldStride_;
};
using TColumn = TColumnOf<float>;
using TConstColumn = TColumnOf<const float>;

// W x H cells stored column by column (cell [x][y] at x * H + y, y upward from the bottom row), so the
// time step walks memory in order, each of the four fields in an array of its own: the step reads
// all four but writes back only the height and velocity, and reads them four rows at a time without
// sorting fields apart. The tank owns it; attached objects share it.
class TWaterGrid {
 public:
  TWaterGrid(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Cells inside 1 .. W-2 x 1 .. H-2 exist only from 3 x 3 up.
  bool HasInterior() const { return width_ >= 3 && height_ >= 3; }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  size_t CellCount() const { return cellCount_; }

  TCellRef Cell(int32_t x, int32_t y) { return Column(x)[y]; }
  TConstCellRef Cell(int32_t x, int32_t y) const { return Column(x)[y]; }
  TColumn Column(int32_t x) { return {Displacements(x), cellCount_}; }
  TConstColumn Column(int32_t x) const { return {Displacements(x), cellCount_}; }

  // Each field of column x, rows 0 .. H-1; from column 0 on, the field of every cell in grid order.
  float* Displacements(int32_t x) { return Field(0, x); }
  float* Velocities(int32_t x) { return Field(1, x); }
  float* SpeedFactors(int32_t x) { return Field(2, x); }
  float* Dampings(int32_t x) { return Field(3, x); }
  const float* Displacements(int32_t x) const { return Field(0, x); }
  const float* Velocities(int32_t x) const { return Field(1, x); }
  const float* SpeedFactors(int32_t x) const { return Field(2, x); }
  const float* Dampings(int32_t x) const { return Field(3, x); }

 private:
  float* Field(size_t field, int32_t x) { return fields_.data() + field * cellCount_ + ColumnStart(x); }
  const float* Field(size_t field, int32_t x) const {
    return fields_.data() + field * cellCount_ + ColumnStart(x);
  }
  size_t ColumnStart(int32_t x) const { return static_cast<size_t>(x) * static_cast<size_t>(height_); }

  int32_t width_;
  int32_t height_;
  size_t cellCount_;
  std::vector<float> fields_;
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
