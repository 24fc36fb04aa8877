#pragma once

namespace wavora {

// Rounds to nearest with halves to even, as nearbyint does in the default rounding mode, without a
// library call per value: adding and taking away 1.5 * 2^52 leaves a double below 2^51 in magnitude
// rounded to an integer. D is double or a vector of doubles.
inline constexpr double kRoundingShift = 6755399441055744.0;

template <class D>
[[gnu::always_inline]] inline D RoundedHalfEven(D v) {
  return (v + kRoundingShift) - kRoundingShift;
}

}  // namespace wavora
