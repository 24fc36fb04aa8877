#include "tools/level_meters_cp.h"

#include <algorithm>

#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/led_strip.h"
#include "tools/level_meter_tool.h"

namespace wavora {

namespace {

const TFont kTitleFont{"Arial", 16};
const TFont kScaleFont{"Arial", 14};
constexpr TColour kWhite = RGB(255, 255, 255);
constexpr TColour kBlack = RGB(0, 0, 0);

TColour Speckle(double r) {
  if (r > 0.95) return RGB(192, 192, 192);
  if (r < 0.01) return RGB(128, 0, 0);
  if (r < 0.05) return RGB(128, 128, 128);
  return kBlack;
}

// One in-place pass over every channel, bottom row first, with the four diagonal neighbours
// (clamped to the edges) and the pixel itself: (diagonals + selfWeight * pixel) div divisor.
void SmoothDiagonally(TFastDIB& image, int selfWeight, int divisor) {
  constexpr size_t kPixelBytes = TFastDIB::kBytesPerPixel;
  const int W = image.Width();
  const int H = image.Height();
  // Rows from the bottom up: the pass is in place, so later rows read their lower neighbours smoothed.
  for (int y = H - 1; y >= 0; --y) {
    const int below = std::min(y + 1, H - 1);
    const int above = std::max(y - 1, 0);
    for (int x = 0; x < W; ++x) {
      const size_t left = size_t(std::max(x - 1, 0)) * kPixelBytes;
      const size_t right = size_t(std::min(x + 1, W - 1)) * kPixelBytes;
      uint8_t* pixel = image.Row(y) + size_t(x) * kPixelBytes;
      for (size_t c = 0; c < 3; ++c) {
        const int sum = image.Row(below)[left + c] + image.Row(below)[right + c] +
                        image.Row(above)[left + c] + image.Row(above)[right + c] + selfWeight * pixel[c];
        pixel[c] = static_cast<uint8_t>(std::clamp(sum / divisor, 0, 255));
      }
    }
  }
}

}  // namespace

TLevelMetersCP::TLevelMetersCP(TLevelMeterTool& tool)
    : TBaseCPFrame(tool),
      meter_(tool),
      offImg_(LedStrip(false)),
      onImg_(LedStrip(true)),
      mode_(tool.GetMode()) {}

std::string TLevelMetersCP::ReadoutText(double level) {
  if (level < -TLevelMeterTool::kRange) return "        " + std::string(rs::Decibels);
  return ReadoutNumber(level + TLevelMeterTool::kShownOffset, 1) + std::string(rs::Decibels);
}

int TLevelMetersCP::BarLength(double level) {
  const double share =
      std::max(0.0, (std::min(level, 0.0) + TLevelMeterTool::kRange) / TLevelMeterTool::kRange);
  return RoundHalfEven(share * kLedStripWidth);
}

void TLevelMetersCP::ShowLevel(double level) {
  TFastDIB& image = *SnapshotImage();
  if (image.IsEmpty()) return;
  if (image.Width() != plateWidth_ || image.Height() != plateHeight_) DrawBackground(image);
  const int W = image.Width();
  const int H = image.Height();
  image.SetFont(kScaleFont);
  const std::string text = "   " + ReadoutText(level);
  image.TextOut(W - 7 - image.TextExtent(text).width, 7, text, kWhite, kBlack);
  const int n = BarLength(level);
  const int left = (W - kLedStripWidth) / 2 - 3;
  const int top = ((H - kLedStripHeight) * 5) / 8;
  image.CopyRect(left, top, onImg_, 0, 0, n, kLedStripHeight);
  image.CopyRect(left + n, top, offImg_, n, 0, kLedStripWidth - n, kLedStripHeight);
}

void TLevelMetersCP::DrawBackground(TFastDIB& image) {
  plateWidth_ = image.Width();
  plateHeight_ = image.Height();
  const int W = plateWidth_;
  const int H = plateHeight_;
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x)
      image.SetPixel(x, y, Speckle(uniform(random_)));
  }
  image.Line(0, 0, W - 1, 0, kWhite);
  image.Line(0, 0, 0, H - 1, kWhite);
  image.Line(0, H - 1, W - 1, H - 1, kBlack);
  image.Line(W - 1, 0, W - 1, H - 1, kBlack);
  SmoothDiagonally(image, 3, 7);
  SmoothDiagonally(image, 0, 4);
  static constexpr TText kTitles[] = {rs::PeakLevelMeter, rs::AverageLevelMeter, rs::RealtimeLevelMeter};
  image.SetFont(kTitleFont);
  image.TextOut(10, 10, kTitles[std::clamp(mode_, 0, 2)], kWhite, kBlack);
  DrawScale(image);
}

void TLevelMetersCP::DrawScale(TFastDIB& image) const {
  const int H = image.Height();
  const int left = (image.Width() - kLedStripWidth) / 2 - 4;
  const int top = ((H - kLedStripHeight) * 5) / 8;
  const int bottom = top + kLedStripHeight;
  const int h = kLedStripHeight / 2;
  const auto at = [left](int level) { return left + BarLength(level); };
  image.SetFont(kScaleFont);
  // A long mark with its number every 6 dB, five short marks between, the middle one longer.
  for (int level = -66; level <= 0; level += 6) {
    const int x = at(level);
    image.Line(x, top - h, x, bottom + h, kWhite);
    const std::string number = std::to_string(level + int(TLevelMeterTool::kShownOffset));
    const TTextExtent extent = image.TextExtent(number);
    image.TextOut(x - extent.width / 2, top - h - 3 - extent.height, number, kWhite);
    for (int minor = level + 1; minor <= std::min(level + 5, 0); ++minor) {
      const int reach = minor == level + 3 ? 4 : 1;
      image.Line(at(minor), top - reach, at(minor), bottom + reach, kWhite);
    }
  }
  const TTextExtent extent = image.TextExtent(rs::Decibels);
  image.TextOut(at(0) + 16 - extent.width / 2, (H * 5) / 8 + 4 - extent.height, rs::Decibels, kWhite);
}

std::vector<TPanelMenuEntry> TLevelMetersCP::MenuEntries() const {
  std::vector<TPanelMenuEntry> entries = TBaseCPFrame::MenuEntries();
  entries.push_back({});
  entries.push_back({"PeakLevel1", std::string(rs::PeakLevel), 0, mode_ == 0});
  entries.push_back({"RMSaverageLevel1", std::string(rs::AverageLevel), 1, mode_ == 1});
  entries.push_back({"RealtimeLevel1", std::string(rs::RealtimeLevel), 2, mode_ == 2});
  return entries;
}

void TLevelMetersCP::PopupMenuClick(const TPanelMenuEntry& entry) {
  if (entry.name == "PeakLevel1" || entry.name == "RMSaverageLevel1" || entry.name == "RealtimeLevel1")
    PeakLevel1Click(entry.tag);
}

void TLevelMetersCP::PeakLevel1Click(int tag) {
  meter_.SetMode(tag);
  mode_ = meter_.GetMode();
  TFastDIB& image = *SnapshotImage();
  if (!image.IsEmpty()) DrawBackground(image);
}

}  // namespace wavora
