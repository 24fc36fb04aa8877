#pragma once

#include <vector>

namespace wavora {

// The colours of the spectrometer's columns, one entry per panel column, channels 0 ... 255 in single
// precision: the ramp runs from dark red at the longest period (75 steps) to violet at the shortest
// (5 steps), equally spaced in period; the frequency table gives each column of the frequency-spaced
// axis the ramp colour of its period.
struct TSpectrumColours {
  struct TChannels {
    std::vector<float> red, green, blue;
  };

  // Rebuilds both tables for a panel of the given width; nothing when the width is unchanged.
  void Match(int width);
  int Width() const { return static_cast<int>(ramp.red.size()); }

  TChannels ramp;
  TChannels frequency;
};

}  // namespace wavora
