#include "tools/spectrum_transform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wavora {

namespace {

constexpr float kSmallest = 1e-35f;
constexpr int kCopiedBlock = 16;

int BitReversed(int i) {
  int j = 0;
  for (int bit = 0; bit < TSpectrumTransform::kBits; ++bit) {
    j = (j << 1) | (i & 1);
    i >>= 1;
  }
  return j;
}

}  // namespace

// The window, the bit-reversal table and the twiddles depend on nothing but the transform's size,
// so every spectrum tool shares one set: a lesson or a paste with many tools computes them once.
struct TSpectrumTables {
  std::vector<float> window = std::vector<float>(TSpectrumTransform::kSize);
  std::vector<uint16_t> bitReversed = std::vector<uint16_t>(TSpectrumTransform::kSize);
  // The twiddles of block length L at L / 2 - 1 + k, k = 0 ... L / 2 - 1, as the recurrence gives them.
  std::vector<float> twiddleReal = std::vector<float>(TSpectrumTransform::kSize - 1);
  std::vector<float> twiddleImag = std::vector<float>(TSpectrumTransform::kSize - 1);

  TSpectrumTables() {
    constexpr int kSize = TSpectrumTransform::kSize;
    const double theta = 2 * std::numbers::pi / (kSize - 1);
    for (int i = 0; i < kSize; ++i) {
      window[size_t(i)] =
          static_cast<float>(0.35875 * std::cos(i * theta) + 0.14128 * std::cos(2 * i * theta) +
                             0.01168 * std::cos(3 * i * theta));
      bitReversed[size_t(i)] = static_cast<uint16_t>(BitReversed(i));
    }
    for (int length = 2; length <= kSize; length *= 2) {
      // The twiddle w = exp(i k theta) advances by the recurrence with s = sin(theta / 2), t = sin(theta):
      // wr' = wr - (2 s^2 wr + t wi), wi' = wi - (2 s^2 wi - t wr).
      const double stageTheta = 2 * std::numbers::pi / length;
      const auto s = static_cast<float>(std::sin(stageTheta / 2));
      const auto t = static_cast<float>(std::sin(stageTheta));
      const double twoSSquared = 2.0 * s * s;
      float wr = 1;
      float wi = 0;
      for (int k = 0; k < length / 2; ++k) {
        twiddleReal[size_t(length / 2 - 1 + k)] = wr;
        twiddleImag[size_t(length / 2 - 1 + k)] = wi;
        const auto nextR = static_cast<float>(wr - (twoSSquared * wr + double(t) * wi));
        wi = static_cast<float>(wi - (twoSSquared * wi - double(t) * wr));
        wr = nextR;
      }
    }
  }
};

namespace {

const TSpectrumTables& SharedTables() {
  static const TSpectrumTables tables;
  return tables;
}

}  // namespace

TSpectrumTransform::TSpectrumTransform() : tables_(&SharedTables()), real_(kSize), imag_(kSize) {}

float TSpectrumTransform::Window(int i) const {
  return tables_->window[static_cast<size_t>(i)];
}

float TSpectrumTransform::Run(const std::vector<float>& ring, int writeIndex, int count) {
  constexpr int kMask = kSize - 1;
  const int start = (writeIndex - count - 1) & kMask;
  std::fill(real_.begin(), real_.end(), 0.0f);
  std::fill(imag_.begin(), imag_.end(), 0.0f);
  for (int i = 0; i < std::min(count, kSize); ++i) {
    const float value = ring[size_t((start + i) & kMask)] * tables_->window[size_t(i)];
    real_[tables_->bitReversed[size_t(i)]] = std::fabs(value) < kSmallest ? 0.0f : value;
  }
  // With fewer than 1024 samples every value lands on a multiple of 16 and the rest of its block of 16
  // is zero: the first four stages add and subtract exact zeros, copying the value across the block.
  int firstLength = 2;
  if (count <= kSize / kCopiedBlock) {
    for (size_t block = 0; block < real_.size(); block += kCopiedBlock)
      std::fill_n(real_.begin() + std::ptrdiff_t(block) + 1, kCopiedBlock - 1, real_[block]);
    firstLength = 2 * kCopiedBlock;
  }
  Butterflies(firstLength);
  float largest = 0;
  for (size_t k = 0; k < kBins; ++k) {
    const double re = real_[k];
    const double im = imag_[k];
    real_[k] = static_cast<float>(std::sqrt(re * re + im * im));
    if (real_[k] > largest) largest = real_[k];
  }
  return largest;
}

void TSpectrumTransform::Butterflies(int firstLength) {
  for (int length = firstLength; length <= kSize; length *= 2) {
    const int half = length / 2;
    const float* wrs = tables_->twiddleReal.data() + half - 1;
    const float* wis = tables_->twiddleImag.data() + half - 1;
    for (int block = 0; block < kSize; block += length) {
      float* ar = real_.data() + block;
      float* ai = imag_.data() + block;
      float* br = ar + half;
      float* bi = ai + half;
      for (int k = 0; k < half; ++k) {
        const double wr = wrs[k];
        const double wi = wis[k];
        const double tr = wr * br[k] - wi * bi[k];
        const double ti = wr * bi[k] + wi * br[k];
        const double aReal = ar[k];
        const double aImag = ai[k];
        ar[k] = static_cast<float>(aReal + tr);
        ai[k] = static_cast<float>(aImag + ti);
        br[k] = static_cast<float>(aReal - tr);
        bi[k] = static_cast<float>(aImag - ti);
      }
    }
  }
}

}  // namespace wavora
