#pragma once

#include "image/fast_dib.h"

namespace wavora {

inline constexpr int kLedStripWidth = 346;
inline constexpr int kLedStripHeight = 21;

// The level meter's strip of LEDs, 346 x 21 pixels: 69 segments, green up to three quarters of the
// scale, then amber, and red for the last tenth; lit, or dark with a faint glint of their colour.
TFastDIB LedStrip(bool lit);

}  // namespace wavora
