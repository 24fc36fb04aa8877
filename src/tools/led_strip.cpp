#include "tools/led_strip.h"

namespace wavora {

namespace {

constexpr int kPitch = 5;  // pixels per segment: 4 lit, 1 gap
constexpr int kMargin = 3;

TColour SegmentColour(int x, bool lit) {
  TColour colour = RGB(60, 230, 70);
  if (x >= kLedStripWidth * 9 / 10) {
    colour = RGB(250, 50, 40);
  } else if (x >= kLedStripWidth * 3 / 4) {
    colour = RGB(250, 200, 40);
  }
  if (lit) return colour;
  return RGB(static_cast<uint8_t>(colour.red / 5), static_cast<uint8_t>(colour.green / 5),
             static_cast<uint8_t>(colour.blue / 5));
}

}  // namespace

TFastDIB LedStrip(bool lit) {
  TFastDIB strip(kLedStripWidth, kLedStripHeight);
  strip.Fill(RGB(16, 16, 16));
  for (int left = 1; left + kPitch - 1 <= kLedStripWidth; left += kPitch) {
    const TColour colour = SegmentColour(left, lit);
    strip.FillRect(left, kMargin, left + kPitch - 1, kLedStripHeight - kMargin, colour);
    // A lighter top edge gives each lit segment some depth.
    if (lit) strip.Line(left, kMargin, left + kPitch - 2, kMargin, RGB(255, 255, 220));
  }
  return strip;
}

}  // namespace wavora
