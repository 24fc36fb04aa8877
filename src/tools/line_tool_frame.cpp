#include "tools/line_tool_frame.h"

#include <algorithm>
#include <cmath>

#include "sim/rounding.h"
#include "sim/sampling_tool.h"
#include "tools/panel_menu_entries.h"

namespace wavora {

TLineToolFrame::TLineToolFrame(TBaseSamplingTool& tool, int gain)
    : TBaseCPFrame(tool), samplingTool_(tool), gain_(gain) {}

void TLineToolFrame::SetScale(float scale) {
  scale_ = std::isnan(scale) ? kMinScale : std::max(scale, kMinScale);
}

void TLineToolFrame::BoxMouseMove(int x, int y) {
  TBaseCPFrame::BoxMouseMove(x, y);
  const bool inside = x >= 0 && x < BoxWidth() && y >= 0 && y < BoxHeight();
  const float height = BoxHeight() > 1 ? static_cast<float>(y) / static_cast<float>(BoxHeight() - 1) : 0.0f;
  samplingTool_.SetCursor(inside, static_cast<float>(x), height);
}

std::vector<TPanelMenuEntry> TLineToolFrame::MenuEntries() const {
  std::vector<TPanelMenuEntry> entries = TBaseCPFrame::MenuEntries();
  const std::vector<TPanelMenuEntry> gains = GainEntries(gain_, OffersNormalise());
  entries.insert(entries.end(), gains.begin(), gains.end());
  return entries;
}

void TLineToolFrame::PopupMenuClick(const TPanelMenuEntry& entry) {
  if (IsGainEntry(entry)) NoGain1Click(entry.tag);
}

void TLineToolFrame::NoGain1Click(int tag) {
  gain_ = tag;
  SetToolGain(tag);
}

void TLineToolFrame::VerticalGridLines(TFastDIB& image, int first, int span, int top, int bottom,
                                       TColour colour) const {
  const double spacing = 20.0 * scale_;
  const double last = std::floor(span / spacing);
  if (last < first) return;
  if (spacing < 1) {
    // Neighbouring lines are less than a pixel apart, so every column between the ends has one.
    for (int x = RoundHalfEven(first * spacing); x <= RoundHalfEven(last * spacing); ++x)
      image.Line(x, top, x, bottom, colour);
    return;
  }
  for (int k = first; k <= static_cast<int>(last); ++k) {
    const int x = RoundHalfEven(k * spacing);
    image.Line(x, top, x, bottom, colour);
  }
}

}  // namespace wavora
