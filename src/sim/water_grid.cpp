#include "sim/water_grid.h"

#include <algorithm>
#include <cmath>

namespace wavora {

TWaterGrid::TWaterGrid(int32_t width, int32_t height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      cellCount_(static_cast<size_t>(width_) * static_cast<size_t>(height_)),
      fields_(4 * cellCount_, 0.0f) {
  std::fill_n(SpeedFactors(0), cellCount_, kOpenSpeedFactor);
  std::fill_n(Dampings(0), cellCount_, kOpenDamping);
}

int32_t BorderWidth(int32_t width, int32_t height) {
  const double side = 0.1 * static_cast<double>(std::min(width, height));
  return static_cast<int32_t>(std::nearbyint(std::max(40.0, side)));
}

float BorderDamping(int32_t borderWidth, int32_t distance) {
  const double a = (borderWidth - distance) * 0.015;
  return static_cast<float>(0.999 * std::exp(-(a * a)));
}

void ResetMedium(TWaterGrid& grid) {
  const int32_t w = grid.Width();
  const int32_t h = grid.Height();
  std::fill_n(grid.SpeedFactors(0), grid.CellCount(), kOpenSpeedFactor);
  std::fill_n(grid.Dampings(0), grid.CellCount(), kOpenDamping);
  // Ring k: columns k and W-1-k over rows k .. H-1-k, rows k and H-1-k over columns k .. W-1-k.
  // Rings stop where they would cross (k > (min(W, H) - 1) / 2), so a small grid gets what fits.
  const int32_t b = BorderWidth(w, h);
  for (int32_t k = 1; k < b; ++k) {
    const int32_t right = w - 1 - k;
    const int32_t top = h - 1 - k;
    if (right < k || top < k) break;
    const float d = BorderDamping(b, k);
    for (int32_t y = k; y <= top; ++y) {
      grid.Cell(k, y).Damping = d;
      grid.Cell(right, y).Damping = d;
    }
    for (int32_t x = k; x <= right; ++x) {
      grid.Cell(x, k).Damping = d;
      grid.Cell(x, top).Damping = d;
    }
  }
}

}  // namespace wavora
