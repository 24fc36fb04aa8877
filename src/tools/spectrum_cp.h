#pragma once

#include <vector>

#include "sim/tool_panel.h"

namespace wavora {

class TSpectrumTool;

// The spectrometer's panel: the spectrum its tool draws, the cursor the mouse sets, and the popup
// menu of display, analysis, axis and gain.
class TSpectrumToolCP : public TBaseCPFrame {
 public:
  enum TBackground : int { kNoBackground = 0, kLightGrid = 1, kBlack = 2 };

  // The panel's gain and display mode, which place the menu's checks, start at the tool's.
  explicit TSpectrumToolCP(TSpectrumTool& tool);

  TSpectrumTool& Spectrum() const { return spectrum_; }
  int Gain() const { return gain_; }
  int DisplayMode() const { return displayMode_; }
  void SetDisplayMode(int mode) { displayMode_ = mode; }
  int BackgroundMode() const { return backgroundMode_; }
  // The light grid is drawn every time; black is filled only when the mode changes to it.
  void SetBackground(TFastDIB& image, int mode);

  // Inside the box the mouse sets the tool's cursor; outside it clears it.
  void BoxMouseMove(int x, int y) override;

  // Opening the menu takes the cursor away.
  std::vector<TPanelMenuEntry> PopupMenu1Popup() override;
  std::vector<TPanelMenuEntry> MenuEntries() const override;
  void PopupMenuClick(const TPanelMenuEntry& entry) override;
  // NoGain1Click: the gain (0 normalised) goes to the panel and to the tool.
  void NoGain1Click(int tag);
  // ShowLaserandGraph1Click: the display mode goes to the panel and to the tool.
  void ShowLaserandGraph1Click(int tag);
  // RawSpectrum1Click: the analysis length mode of the tool.
  void RawSpectrum1Click(int tag);
  // EqualSpacedFrequency1Click: tag 1 chooses the wavelength axis.
  void EqualSpacedFrequency1Click(int tag);

 protected:
  void HideCursor() override;

 private:
  void DrawLightGrid(TFastDIB& image) const;

  TSpectrumTool& spectrum_;
  int backgroundMode_ = kNoBackground;
  int gain_;
  int displayMode_;
};

}  // namespace wavora
