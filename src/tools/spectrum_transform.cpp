#include "tools/spectrum_transform.h"

#include <cmath>
#include <numbers>

namespace wavora {

namespace {

constexpr float kSmallest = 1e-35f;

int BitReversed(int i) {
  int j = 0;
  for (int bit = 0; bit < TSpectrumTransform::kBits; ++bit) {
    j = (j << 1) | (i & 1);
    i >>= 1;
  }
  return j;
}

}  // namespace

TSpectrumTransform::TSpectrumTransform() : window_(kSize), real_(kSize), imag_(kSize) {
  const double theta = 2 * std::numbers::pi / (kSize - 1);
  for (int i = 0; i < kSize; ++i) {
    window_[size_t(i)] =
        static_cast<float>(0.35875 * std::cos(i * theta) + 0.14128 * std::cos(2 * i * theta) +
                           0.01168 * std::cos(3 * i * theta));
  }
}

float TSpectrumTransform::Run(const std::vector<float>& ring, int writeIndex, int count) {
  constexpr int kMask = kSize - 1;
  const int start = (writeIndex - count - 1) & kMask;
  for (int i = 0; i < kSize; ++i) {
    const auto j = static_cast<size_t>(BitReversed(i));
    float value = 0;
    if (i < count) value = ring[size_t((start + i) & kMask)] * window_[size_t(i)];
    real_[j] = std::fabs(value) < kSmallest ? 0.0f : value;
    imag_[j] = 0;
  }
  Butterflies();
  float largest = 0;
  for (size_t k = 0; k < kBins; ++k) {
    const double re = real_[k];
    const double im = imag_[k];
    real_[k] = static_cast<float>(std::sqrt(re * re + im * im));
    if (real_[k] > largest) largest = real_[k];
  }
  return largest;
}

void TSpectrumTransform::Butterflies() {
  for (int length = 2; length <= kSize; length *= 2) {
    const double theta = 2 * std::numbers::pi / length;
    // The twiddle w = exp(i k theta) advances by the recurrence with s = sin(theta / 2), t = sin(theta):
    // wr' = wr - (2 s^2 wr + t wi), wi' = wi - (2 s^2 wi - t wr).
    const auto s = static_cast<float>(std::sin(theta / 2));
    const auto t = static_cast<float>(std::sin(theta));
    const double twoSSquared = 2.0 * s * s;
    const int half = length / 2;
    float wr = 1;
    float wi = 0;
    for (int k = 0; k < half; ++k) {
      for (int a = k; a < kSize; a += length) {
        const int b = a + half;
        const double br = real_[size_t(b)];
        const double bi = imag_[size_t(b)];
        const double tr = wr * br - wi * bi;
        const double ti = wr * bi + wi * br;
        const double ar = real_[size_t(a)];
        const double ai = imag_[size_t(a)];
        real_[size_t(a)] = static_cast<float>(ar + tr);
        imag_[size_t(a)] = static_cast<float>(ai + ti);
        real_[size_t(b)] = static_cast<float>(ar - tr);
        imag_[size_t(b)] = static_cast<float>(ai - ti);
      }
      const float nextR = static_cast<float>(wr - (twoSSquared * wr + double(t) * wi));
      wi = static_cast<float>(wi - (twoSSquared * wi - double(t) * wr));
      wr = nextR;
    }
  }
}

}  // namespace wavora
