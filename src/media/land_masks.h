#pragma once

#include <string_view>

#include "image/colour.h"
#include "image/fast_dib.h"

namespace wavora {

// The land masks of the ocean maps that the program carries, as bitmap files compiled into it.
// Map 0 is the Indian Ocean (401 × 359 pixels, 4 bits per pixel), map 1 the Atlantic (500 × 500,
// 1 bit per pixel). A pixel of exactly kLandColour is land; every other pixel is sea.
inline constexpr int kLandMaskCount = 2;
inline constexpr TColour kLandColour = RGB(255, 255, 255);

// The bitmap file of the map, byte for byte; empty for an index without a map.
std::string_view LandMaskFile(int mapIndex);

// The decoded mask, read from the top row down like any picture (TFastDIB::Pixel); an empty image
// for an index without a map, so that a caller leaves every cell as sea.
TFastDIB LandMask(int mapIndex);

}  // namespace wavora
