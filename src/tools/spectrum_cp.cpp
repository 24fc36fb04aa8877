#include "tools/spectrum_cp.h"

#include <cmath>
#include <string>

#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/graph_background.h"
#include "tools/panel_menu_entries.h"
#include "tools/spectrum_tool.h"

namespace wavora {

TSpectrumToolCP::TSpectrumToolCP(TSpectrumTool& tool)
    : TBaseCPFrame(tool), spectrum_(tool), gain_(tool.GetGain()), displayMode_(tool.GetIntensityMode()) {}

void TSpectrumToolCP::SetBackground(TFastDIB& image, int mode) {
  const bool changed = mode != backgroundMode_;
  backgroundMode_ = mode;
  if (mode == kLightGrid) {
    DrawLightGrid(image);
  } else if (changed) {
    image.Fill(RGB(0, 0, 0));
  }
}

void TSpectrumToolCP::DrawLightGrid(TFastDIB& image) const {
  DrawLightGraphBackground(image);
  const int W = image.Width();
  const int H = image.Height();
  // Frequency axis: a line at each whole unit 1 ... 9, d = (W + 1) / 8.5 pixels per unit from 0.5.
  // Wavelength axis: a line every 5 mm of wavelength, n = 70 / 5 * 0.7071 divisions across.
  double d;
  double x0;
  int last;
  if (spectrum_.GetLinearWavelength()) {
    const double divisions = 70.0 / 5 * TSpectrumTool::kWaveSpeed;
    const double first = 75 * TSpectrumTool::kWaveSpeed / 5;
    d = W / divisions;
    x0 = (first - std::floor(first)) * d;
    last = 9;
  } else {
    d = (W + 1) / 8.5;
    x0 = 0.5 * d;
    last = 8;
  }
  for (int k = 0; k <= last; ++k) {
    const int x = RoundHalfEven(x0 + k * d);
    image.Line(x, 1, x, H - 2, kLightGridColour);
  }
}

void TSpectrumToolCP::BoxMouseMove(int x, int y) {
  TBaseCPFrame::BoxMouseMove(x, y);
  const bool inside = x >= 0 && x < BoxWidth() && y >= 0 && y < BoxHeight();
  const float height = BoxHeight() > 1 ? static_cast<float>(y) / static_cast<float>(BoxHeight() - 1) : 0.0f;
  spectrum_.SetCursor(inside, static_cast<float>(x), height);
}

std::vector<TPanelMenuEntry> TSpectrumToolCP::PopupMenu1Popup() {
  spectrum_.SetCursor(false, spectrum_.CursorPosition(), 0);
  return TBaseCPFrame::PopupMenu1Popup();
}

std::vector<TPanelMenuEntry> TSpectrumToolCP::MenuEntries() const {
  std::vector<TPanelMenuEntry> entries = TBaseCPFrame::MenuEntries();
  const auto append = [&entries](const std::vector<TPanelMenuEntry>& group) {
    entries.insert(entries.end(), group.begin(), group.end());
  };
  append(DisplayModeEntries(displayMode_));
  const int analysis = spectrum_.AnalysisMode();
  const bool wavelength = spectrum_.GetLinearWavelength();
  append({{},
          {"FastbutJittery1", std::string(rs::FastButJittery), 0, analysis == 0},
          {"Accuratebutslow1", std::string(rs::AccurateButSlow), 1, analysis == 1},
          {"RawSpectrum1", std::string(rs::RawSpectrum), 2, analysis == 2},
          {},
          {"EqualSpacedFrequency1", std::string(rs::EqualSpacedFrequency), 0, !wavelength},
          {"EqualspacedWavelength1", std::string(rs::EqualSpacedWavelength), 1, wavelength}});
  append(GainEntries(gain_, true));
  return entries;
}

void TSpectrumToolCP::PopupMenuClick(const TPanelMenuEntry& entry) {
  if (IsGainEntry(entry)) {
    NoGain1Click(entry.tag);
  } else if (IsDisplayModeEntry(entry)) {
    ShowLaserandGraph1Click(entry.tag);
  } else if (entry.name == "FastbutJittery1" || entry.name == "Accuratebutslow1" ||
             entry.name == "RawSpectrum1") {
    RawSpectrum1Click(entry.tag);
  } else if (entry.name.starts_with("EqualSpaced") || entry.name.starts_with("Equalspaced")) {
    EqualSpacedFrequency1Click(entry.tag);
  }
}

void TSpectrumToolCP::NoGain1Click(int tag) {
  spectrum_.SetGain(tag);
  gain_ = spectrum_.GetGain();
}

void TSpectrumToolCP::ShowLaserandGraph1Click(int tag) {
  spectrum_.SetIntensityMode(tag);
  displayMode_ = spectrum_.GetIntensityMode();
}

void TSpectrumToolCP::RawSpectrum1Click(int tag) {
  spectrum_.SetAnalysisMode(tag);
}

void TSpectrumToolCP::EqualSpacedFrequency1Click(int tag) {
  spectrum_.SetLinearWavelength(tag == 1);
}

void TSpectrumToolCP::HideCursor() {
  spectrum_.SetCursor(false, spectrum_.CursorPosition(), 0);
  spectrum_.UpdateControlPanel(*this);
}

}  // namespace wavora
