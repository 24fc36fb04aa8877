#include "tools/spectrum_colours.h"

#include <algorithm>

#include "sim/rounding.h"

namespace wavora {

namespace {

struct TRamp {
  float red, green, blue;
};

// Column x of nine equal segments, t = x / (W / 9): segment trunc(t), f = t - trunc(t).
TRamp RampAt(int x, int width) {
  const auto segmentWidth = static_cast<float>(width / 9.0);
  const auto t = static_cast<float>(x / double(segmentWidth));
  const int n = static_cast<int>(t);
  const double f = t - static_cast<float>(n);
  const auto c = [](double v) { return static_cast<float>(v); };
  switch (n) {
    case 0:
      return {c(128 + 127 * f), 0, 0};
    case 1:
      return {255, 0, 0};
    case 2:
      return {255, c(127 * f), 0};
    case 3:
      return {255, c(128 + 127 * f), 0};
    case 4:
      return {c(255 * (1 - f)), 255, 0};
    case 5:
      return {0, c(255 * (1 - f)), c(255 * f)};
    case 6:
      return {c(75 * f), 0, c(255 - 125 * f)};
    case 7:
      return {c(75 + 68 * f), 0, c(130 + 125 * f)};
    default:
      return {143, 0, 255};
  }
}

void Resize(TSpectrumColours::TChannels& channels, size_t size) {
  channels.red.assign(size, 0);
  channels.green.assign(size, 0);
  channels.blue.assign(size, 0);
}

}  // namespace

void TSpectrumColours::Match(int width) {
  if (width == Width() || width < 1) return;
  const auto size = static_cast<size_t>(width);
  Resize(ramp, size);
  Resize(frequency, size);
  for (size_t x = 0; x < size; ++x) {
    const TRamp colour = RampAt(static_cast<int>(x), width);
    ramp.red[x] = colour.red;
    ramp.green[x] = colour.green;
    ramp.blue[x] = colour.blue;
  }
  // Column x of the frequency axis is bin b = 131.072 + x * 2228.224 / W, of period P = 16384 / b steps;
  // ramp column x stands for the period 75 - 70 x / W.
  for (size_t x = 0; x < size; ++x) {
    const double bin = 131.072 + double(x) * (2228.224 / width);
    const double period = 16384 / bin;
    const auto index =
        static_cast<size_t>(std::clamp(RoundHalfEven((period - 75) / (-70.0 / width)), 0, width - 1));
    frequency.red[x] = ramp.red[index];
    frequency.green[x] = ramp.green[index];
    frequency.blue[x] = ramp.blue[index];
  }
}

}  // namespace wavora
