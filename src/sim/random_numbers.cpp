#include "sim/random_numbers.h"

#include <cmath>

namespace wavora {

double UniformCanonical(std::mt19937& engine) {
  constexpr double kDraw = 4294967296.0;  // 2^32, the draws' range
  double sum = static_cast<double>(engine());
  sum += static_cast<double>(engine()) * kDraw;
  const double value = sum / (kDraw * kDraw);
  return value < 1 ? value : std::nextafter(1.0, 0.0);
}

double TNormalNumbers::operator()(std::mt19937& engine) {
  if (hasSaved_) {
    hasSaved_ = false;
    return saved_ * deviation_ + mean_;
  }
  double x = 0;
  double y = 0;
  double r2 = 0;
  do {
    x = 2.0 * UniformCanonical(engine) - 1.0;
    y = 2.0 * UniformCanonical(engine) - 1.0;
    r2 = x * x + y * y;
  } while (r2 > 1.0 || r2 == 0.0);
  // Both coordinates scaled by sqrt(-2 ln r² / r²) are independent standard normal numbers.
  const double scale = std::sqrt(-2 * std::log(r2) / r2);
  saved_ = x * scale;
  hasSaved_ = true;
  return y * scale * deviation_ + mean_;
}

}  // namespace wavora
