#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wavora {

// The spectrometer's own fast Fourier transform: 16384 points in single precision, written out
// (bit reversal, radix-2 butterflies, twiddles by the trigonometric recurrence) because its rounding
// is part of what the panel shows.
struct TSpectrumTables;

class TSpectrumTransform {
 public:
  static constexpr int kBits = 14;
  static constexpr int kSize = 1 << kBits;
  // Bins 0 ... kSize / 2 hold magnitudes after Run.
  static constexpr int kBins = kSize / 2 + 1;

  TSpectrumTransform();

  // w(i) = 0.35875 cos(i t) + 0.14128 cos(2 i t) + 0.01168 cos(3 i t), t = 2 pi / 16383: three cosine
  // terms without a constant, so w(0) = 0.51171.
  float Window(int i) const;

  // Transforms the count samples of the ring (kSize values) that end one sample before writeIndex,
  // windowed and padded with zeros, and leaves the magnitudes of bins 0 ... kSize / 2 in
  // Magnitudes(). Returns the largest of them.
  float Run(const std::vector<float>& ring, int writeIndex, int count);

  std::vector<float>& Magnitudes() { return real_; }
  const std::vector<float>& Magnitudes() const { return real_; }

 private:
  // The butterflies of block lengths firstLength ... kSize.
  void Butterflies(int firstLength);

  // The window, bit-reversal and twiddle tables, shared by every transform (they are constants).
  const TSpectrumTables* tables_;
  std::vector<float> real_;
  std::vector<float> imag_;
};

}  // namespace wavora
