#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace wavora {

// Rounds to the nearest integer with halves to even, as all of the simulation's arithmetic does.
// Values beyond the 32-bit range are held at its ends and NaN gives 0, so no value an object holds
// can overflow the conversion.
inline int32_t RoundHalfEven(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::nearbyint(std::clamp(v, kLow, kHigh)));
}

}  // namespace wavora
