#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "image/fast_dib.h"

namespace wavora {

// The one palette of an animated GIF, fitted to the colours of every frame: the colours are counted
// in boxes of 4 x 4 x 4 levels, and the counted boxes are cut at their weighted median, the cell of
// most squared error first, into at most 256 cells, each giving its pixels' mean. A tank picture's
// greys and tints fill the cells where its pixels are; a tool's few pixels of a colour far from them
// weigh with the square of that distance and get a cell of their own. Each pixel then takes the
// nearest colour of the palette, so that frames one after the other do not flicker between colours.
class TGifPalette {
 public:
  static constexpr int kSize = 256;
  struct TEntry {
    uint8_t red, green, blue;
    friend bool operator==(const TEntry&, const TEntry&) = default;
  };

  TGifPalette();
  void Count(const TFastDIB& frame);
  // Makes the palette from the colours counted; at least one entry, black without any.
  void Fit();
  const std::vector<TEntry>& Entries() const { return entries_; }

  // The index of the nearest entry (squared distance; the first on a tie) for each pixel, row after
  // row from the top.
  void Map(const TFastDIB& frame, std::vector<uint8_t>& indices);
  uint8_t Nearest(TEntry colour) const;

 private:
  struct TBin {
    uint32_t count = 0;
    uint64_t sum[3] = {};  // red, green, blue
  };
  std::vector<TBin> bins_;  // 2^18: 6 bits a channel
  std::vector<TEntry> entries_;
  std::unordered_map<uint32_t, uint8_t> nearest_;  // by colour 0xRRGGBB
};

}  // namespace wavora
