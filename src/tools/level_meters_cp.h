#pragma once

#include <random>
#include <string>

#include "sim/tool_panel.h"

namespace wavora {

class TLevelMeterTool;

// The level meter's panel: a speckled dark plate with the meter's title and a dB scale, the LED strip
// lit up to the level, and the level as text at the top right.
class TLevelMetersCP : public TBaseCPFrame {
 public:
  // The panel's mode, which chooses the title, starts at the tool's.
  explicit TLevelMetersCP(TLevelMeterTool& tool);

  int Mode() const { return mode_; }

  // Draws the level L (dB, 0 at full scale) into the image: the text and the strip.
  void ShowLevel(double level);
  // "12.3db" (the level plus 6), or eight spaces and "db" below -67 dB.
  static std::string ReadoutText(double level);
  // Lit segments: the strip's share of the level from -67 dB to 0 dB, rounded to whole pixels.
  static int BarLength(double level);

  std::vector<TPanelMenuEntry> MenuEntries() const override;
  void PopupMenuClick(const TPanelMenuEntry& entry) override;
  // PeakLevel1Click: the mode goes to the panel and the tool, and the plate is drawn with its title.
  void PeakLevel1Click(int tag);

 private:
  void DrawBackground(TFastDIB& image);
  void DrawScale(TFastDIB& image) const;

  TLevelMeterTool& meter_;
  TFastDIB offImg_;
  TFastDIB onImg_;
  int mode_;
  // The size the plate was drawn at; a new size draws it again.
  int plateWidth_ = -1;
  int plateHeight_ = -1;
  std::mt19937 random_;
};

}  // namespace wavora
