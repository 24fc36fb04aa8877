#pragma once

#include "image/colour.h"

namespace wavora {

class TFastDIB;

inline constexpr TColour kLightGridColour = RGB(220, 220, 220);

// The light background behind a graph: a gradient from RGB(255,255,250) to RGB(225,230,230) at the
// bottom-right corner, and 11 horizontal grid lines, the first on the bottom row and the last on the
// top row (y = H - 1 - round(k (H - 1) / 10)), from x = 1 to W - 2.
void DrawLightGraphBackground(TFastDIB& image);

}  // namespace wavora
