#pragma once

#include <cstdint>
#include <string>

#include "image/colour.h"
#include "sim/scene_drawing.h"

namespace wavora {

// A read-out with one decimal in the chosen language's number format, followed by its unit: "41.2mm".
std::string OneDecimal(double value, const char* unit = "");

// A displacement v in mm as the cross-section's read-out shows it, v * 2 / 1.7 (the tank's full
// scale 3.5 reads 4.1 mm); every tool exports displacements on this one scale.
inline double DisplacementMm(double v) {
  return v * 2 / 1.7;
}

// Labels over the tank are white on the selected tool and black otherwise.
inline TColour LabelTextColour(bool selected) {
  return selected ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

// Whether grid point (x, y) of a tank of the given height lies in the box (image rows from the top;
// left and top inclusive, right and bottom exclusive).
inline bool LabelHit(const TLabelBox& box, int32_t height, int32_t x, int32_t y) {
  const int32_t row = height - 1 - y;
  return x >= box.left && x < box.right && row >= box.top && row < box.bottom;
}

}  // namespace wavora
