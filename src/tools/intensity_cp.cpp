#include "tools/intensity_cp.h"

#include <algorithm>

#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/graph_background.h"
#include "tools/intensity_tool.h"
#include "tools/panel_menu_entries.h"

namespace wavora {

namespace {

constexpr TColour kReadoutColour = RGB(128, 128, 128);
constexpr TColour kCursorColour = RGB(192, 192, 192);

}  // namespace

TIntensityToolFrame::TIntensityToolFrame(TIntensityTool& tool, int backgroundMode, int displayMode, int gain)
    : TLineToolFrame(tool, gain),
      intensity_(tool),
      backgroundMode_(backgroundMode),
      displayMode_(displayMode) {}

void TIntensityToolFrame::SetBackgroundMode(TFastDIB& image, int mode) {
  if (mode == backgroundMode_) return;
  backgroundMode_ = mode;
  if (mode == 1) image.Fill(RGB(0, 0, 0));
}

void TIntensityToolFrame::DrawLightBackground(TFastDIB& image) const {
  DrawLightGraphBackground(image);
  VerticalGridLines(image, 0, image.Width() - 1, 1, image.Height() - 2, kLightGridColour);
}

void TIntensityToolFrame::SetReadout(std::string left, std::string right) {
  leftReadout_ = std::move(left);
  rightReadout_ = std::move(right);
}

std::vector<TPanelMenuEntry> TIntensityToolFrame::MenuEntries() const {
  std::vector<TPanelMenuEntry> entries = TLineToolFrame::MenuEntries();
  // The display entries come between the snapshot and data commands and the gain entries.
  const auto gains =
      std::find_if(entries.begin(), entries.end(), [](const TPanelMenuEntry& e) { return e.name.empty(); });
  const std::vector<TPanelMenuEntry> display = DisplayModeEntries(displayMode_);
  entries.insert(gains, display.begin(), display.end());
  return entries;
}

void TIntensityToolFrame::PopupMenuClick(const TPanelMenuEntry& entry) {
  if (IsDisplayModeEntry(entry)) {
    ShowLaserandGraph1Click(entry.tag);
  } else {
    TLineToolFrame::PopupMenuClick(entry);
  }
}

void TIntensityToolFrame::ShowLaserandGraph1Click(int tag) {
  displayMode_ = std::clamp(tag, 0, 2);
  intensity_.SetIntensityMode(displayMode_);
}

std::vector<TPanelControl> TIntensityToolFrame::OwnControls() const {
  std::vector<TPanelControl> controls = {
      Shown(ReadOutControl("CalcLabel", {}, std::string(rs::Calculating)), calcLabelVisible_)};
  std::vector<TPanelControl> entries = TLineToolFrame::OwnControls();
  controls.insert(controls.end(), entries.begin(), entries.end());
  return controls;
}

void TIntensityToolFrame::SetToolGain(int gain) {
  intensity_.SetGain(gain);
}

const TFastDIB& TIntensityToolFrame::BoxPicture() {
  const TFastDIB& image = *SnapshotImage();
  if (rightReadout_.empty()) return image;
  boxPicture_.SetSize(image.Width(), image.Height());
  boxPicture_.Draw(0, 0, image);
  const int W = boxPicture_.Width();
  const int H = boxPicture_.Height();
  const int x = std::clamp(RoundHalfEven(intensity_.CursorPosition()), 0, std::max(W - 1, 0));
  boxPicture_.Line(x, 0, x, H - 1, kCursorColour);
  const TTextExtent left = boxPicture_.TextExtent(leftReadout_);
  const TTextExtent right = boxPicture_.TextExtent(rightReadout_);
  boxPicture_.TextOut(1, H - 1 - left.height, leftReadout_, kReadoutColour);
  boxPicture_.TextOut(W - 1 - right.width, H - 1 - right.height, rightReadout_, kReadoutColour);
  return boxPicture_;
}

}  // namespace wavora
