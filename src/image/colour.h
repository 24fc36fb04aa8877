#pragma once

#include <cstdint>

namespace wavora {

// A colour as the 24-bit images store it: blue, green, red.
struct TColour {
  uint8_t blue = 0;
  uint8_t green = 0;
  uint8_t red = 0;
  friend bool operator==(const TColour&, const TColour&) = default;
};

constexpr TColour RGB(uint8_t red, uint8_t green, uint8_t blue) {
  return TColour{blue, green, red};
}

}  // namespace wavora
