#pragma once

#include <cmath>

namespace wavora {

// The update of one cell, written once for every sweep: D is double for one cell or a vector of
// doubles for several (the operations, their order and their rounding are the same lane by lane).
// Operands arrive as doubles converted from the stored floats; the caller rounds the result to float.

inline constexpr float kHeightClip = 3.5f;

// v' = L * c + v with L = (((h[x-1] + h[y-1]) + h[x+1]) + h[y+1]) - 4 h, all heights of the
// previous step.
template <class D>
[[gnu::always_inline]] inline D NewVelocity(D left, D down, D right, D up, D height, D speedFactor,
                                            D velocity) {
  const D laplacian = (left + down + right + up) - 4.0 * height;
  return laplacian * speedFactor + velocity;
}

// h' = (h + v') * d, before the clip.
template <class D>
[[gnu::always_inline]] inline D NewHeight(D height, D velocity, D damping) {
  return (height + velocity) * damping;
}

// The stored height clipped to +-kHeightClip; NaN passes unchanged.
inline float ClippedHeight(float height) {
  if (std::fabs(height) > kHeightClip) return height > 0 ? kHeightClip : -kHeightClip;
  return height;
}

}  // namespace wavora
