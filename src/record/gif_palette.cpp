#include "record/gif_palette.h"

#include <algorithm>

namespace wavora {

namespace {

constexpr int kBinShift = 2;  // 4 levels a bin on each channel
constexpr int kBinBits = 8 - kBinShift;

size_t BinOf(int red, int green, int blue) {
  return (size_t(red >> kBinShift) << (2 * kBinBits)) | (size_t(green >> kBinShift) << kBinBits) |
         size_t(blue >> kBinShift);
}

// A counted bin: its pixels' number and mean colour.
struct TUsedBin {
  uint32_t count;
  uint64_t sum[3];
  double mean[3];
};

// The bins [begin, end) of the sorted list, with their squared error about their mean and the
// channel along which they spread most.
struct TCell {
  size_t begin;
  size_t end;
  double error = 0;
  int axis = 0;
};

void Measure(const std::vector<TUsedBin>& bins, TCell& cell) {
  double count = 0, mean[3] = {};
  for (size_t i = cell.begin; i < cell.end; ++i) {
    count += bins[i].count;
    for (int c = 0; c < 3; ++c)
      mean[c] += static_cast<double>(bins[i].sum[c]);
  }
  for (double& m : mean)
    m /= count;
  double spread[3] = {};
  for (size_t i = cell.begin; i < cell.end; ++i) {
    for (int c = 0; c < 3; ++c) {
      const double d = bins[i].mean[c] - mean[c];
      spread[c] += bins[i].count * d * d;
    }
  }
  cell.error = spread[0] + spread[1] + spread[2];
  cell.axis = static_cast<int>(std::max_element(spread, spread + 3) - spread);
}

}  // namespace

TGifPalette::TGifPalette() : bins_(size_t{1} << (3 * kBinBits)) {}

void TGifPalette::Count(const TFastDIB& frame) {
  for (int y = 0; y < frame.Height(); ++y) {
    const uint8_t* pixel = frame.Row(y);
    for (int x = 0; x < frame.Width(); ++x, pixel += TFastDIB::kBytesPerPixel) {
      TBin& bin = bins_[BinOf(pixel[2], pixel[1], pixel[0])];
      ++bin.count;
      bin.sum[0] += pixel[2];
      bin.sum[1] += pixel[1];
      bin.sum[2] += pixel[0];
    }
  }
}

void TGifPalette::Fit() {
  std::vector<TUsedBin> used;
  for (const TBin& bin : bins_) {
    if (bin.count == 0) continue;
    TUsedBin each{bin.count, {bin.sum[0], bin.sum[1], bin.sum[2]}, {}};
    for (int c = 0; c < 3; ++c)
      each.mean[c] = static_cast<double>(bin.sum[c]) / bin.count;
    used.push_back(each);
  }
  entries_.clear();
  nearest_.clear();
  if (used.empty()) {
    entries_.push_back({0, 0, 0});
    return;
  }
  std::vector<TCell> cells{{0, used.size()}};
  Measure(used, cells[0]);
  while (cells.size() < kSize) {
    const auto worst = std::max_element(cells.begin(), cells.end(),
                                        [](const TCell& a, const TCell& b) { return a.error < b.error; });
    if (worst->error <= 0) break;
    TCell cell = *worst;
    const int axis = cell.axis;
    std::sort(used.begin() + static_cast<ptrdiff_t>(cell.begin),
              used.begin() + static_cast<ptrdiff_t>(cell.end),
              [axis](const TUsedBin& a, const TUsedBin& b) { return a.mean[axis] < b.mean[axis]; });
    uint64_t total = 0;
    for (size_t i = cell.begin; i < cell.end; ++i)
      total += used[i].count;
    // The weighted median, keeping a bin on each side.
    size_t split = cell.begin;
    for (uint64_t below = 0; split + 1 < cell.end && 2 * (below + used[split].count) <= total; ++split)
      below += used[split].count;
    split = std::max(split, cell.begin + 1);
    TCell low{cell.begin, split}, high{split, cell.end};
    Measure(used, low);
    Measure(used, high);
    *worst = low;
    cells.push_back(high);
  }
  for (const TCell& cell : cells) {
    uint64_t count = 0, sum[3] = {};
    for (size_t i = cell.begin; i < cell.end; ++i) {
      count += used[i].count;
      for (int c = 0; c < 3; ++c)
        sum[c] += used[i].sum[c];
    }
    const auto channel = [&](int c) { return static_cast<uint8_t>((sum[c] + count / 2) / count); };
    entries_.push_back({channel(0), channel(1), channel(2)});
  }
}

uint8_t TGifPalette::Nearest(TEntry colour) const {
  int best = 0, bestDistance = 1 << 30;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const int dr = entries_[i].red - colour.red, dg = entries_[i].green - colour.green,
              db = entries_[i].blue - colour.blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return static_cast<uint8_t>(best);
}

void TGifPalette::Map(const TFastDIB& frame, std::vector<uint8_t>& indices) {
  indices.resize(static_cast<size_t>(frame.Width()) * static_cast<size_t>(frame.Height()));
  uint8_t* index = indices.data();
  uint32_t lastColour = ~0u;
  uint8_t lastIndex = 0;
  for (int y = 0; y < frame.Height(); ++y) {
    const uint8_t* pixel = frame.Row(y);
    for (int x = 0; x < frame.Width(); ++x, pixel += TFastDIB::kBytesPerPixel) {
      const uint32_t colour = (uint32_t(pixel[2]) << 16) | (uint32_t(pixel[1]) << 8) | pixel[0];
      if (colour != lastColour) {
        const auto [place, added] = nearest_.try_emplace(colour, 0);
        if (added) place->second = Nearest({pixel[2], pixel[1], pixel[0]});
        lastColour = colour;
        lastIndex = place->second;
      }
      *index++ = lastIndex;
    }
  }
}

}  // namespace wavora
