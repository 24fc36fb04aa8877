#pragma once

#include <random>

namespace wavora {

// Random numbers that repeat on every build. mt19937's sequence is fixed by the standard, but each
// standard library has distributions of its own; these follow GNU libstdc++'s, so the native build's
// pictures are as they were.

// A double in [0, 1) from two draws a, b: (a + b × 2^32) / 2^64, rounded to a double and kept below 1.
double UniformCanonical(std::mt19937& engine);

// Normally distributed numbers by Marsaglia's polar method: two from each point drawn in the unit
// disc, the second one first.
class TNormalNumbers {
 public:
  TNormalNumbers(double mean, double deviation) : mean_(mean), deviation_(deviation) {}

  double operator()(std::mt19937& engine);

 private:
  double mean_;
  double deviation_;
  double saved_ = 0;
  bool hasSaved_ = false;
};

}  // namespace wavora
