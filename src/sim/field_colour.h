#pragma once

#include <cmath>
#include <cstdint>

#include "image/half_even.h"

namespace wavora {

// The tank image's shading of one cell: v = (h + E) * s with s = 256 / (2E), so the range -E .. +E
// of height covers black to white; red = round(v), green = blue = round(2 * v * c), which keeps the
// open tank (c = 0.5) grey and tints slower media red. Rounding is to nearest, halves to even.
struct TFieldShade {
  float exposure;  // E
  float scale;     // s, rounded to single once per image
};

inline TFieldShade MakeFieldShade(float exposure) {
  return {exposure, static_cast<float>(256.0 / (2.0 * static_cast<double>(exposure)))};
}

// v = (h + E) * s before its rounding to single, and the tint's value 2 * v * c.
template <class D>
[[gnu::always_inline]] inline D ShadeValue(D displacement, const TFieldShade& shade) {
  return (displacement + static_cast<double>(shade.exposure)) * static_cast<double>(shade.scale);
}
template <class D>
[[gnu::always_inline]] inline D TintValue(D value, D speedFactor) {
  return 2.0 * value * speedFactor;
}

// A channel 0 .. 255 from its unclipped value; NaN (from an exposure of 0) counts as 0.
inline uint8_t ShadeByte(double v) {
  if (!(v > 0)) return 0;
  if (v >= 255) return 255;
  return static_cast<uint8_t>(RoundedHalfEven(v));
}

// Writes the blue, green and red bytes of the cell's pixel.
inline void ShadeCell(uint8_t* pixel, float displacement, float speedFactor, const TFieldShade& shade) {
  const float v = static_cast<float>(ShadeValue(static_cast<double>(displacement), shade));
  const uint8_t tint = ShadeByte(TintValue(static_cast<double>(v), static_cast<double>(speedFactor)));
  pixel[0] = tint;
  pixel[1] = tint;
  pixel[2] = ShadeByte(v);
}

}  // namespace wavora
