#pragma once

#include <algorithm>
#include <cstdint>

#include "sim/water_grid.h"

namespace wavora {

// Writes the speed factor into the cells x0 .. x1 of grid row y. Media compute their cells from
// values a file may hold, so the span is cut to the grid here: nothing is written outside it.
inline void FillSpeedSpan(TWaterGrid& grid, int64_t x0, int64_t x1, int64_t y, float speedFactor) {
  if (y < 0 || y >= grid.Height()) return;
  const int64_t first = std::max<int64_t>(x0, 0);
  const int64_t last = std::min<int64_t>(x1, grid.Width() - 1);
  for (int64_t x = first; x <= last; ++x)
    grid.Cell(static_cast<int32_t>(x), static_cast<int32_t>(y)).SpeedFactor = speedFactor;
}

}  // namespace wavora
