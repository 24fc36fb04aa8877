#pragma once

#include <string>

#include "tools/line_tool_frame.h"

namespace wavora {

class TIntensityTool;

// The intensity's panel: the red band and/or the graph, "Calculating..." until the first window is
// complete, and the cursor's read-outs painted over the box without entering the image.
class TIntensityToolFrame : public TLineToolFrame {
 public:
  static constexpr TColour kCalcLabelColour = RGB(160, 197, 239);

  // Background modes: 0 the light grid of the graph alone, 1 black behind the band.
  TIntensityToolFrame(TIntensityTool& tool, int backgroundMode, int displayMode, int gain);

  int DisplayMode() const { return displayMode_; }
  int BackgroundMode() const { return backgroundMode_; }
  // Black is filled in when the mode changes to 1.
  void SetBackgroundMode(TFastDIB& image, int mode);
  // The light gradient with its grid.
  void DrawLightBackground(TFastDIB& image) const;

  // CalcLabel, "Calculating...", at the top-left corner.
  bool CalcLabelVisible() const { return calcLabelVisible_; }
  void SetCalcLabelVisible(bool visible) { calcLabelVisible_ = visible; }

  // The read-outs painted over the box: left and right texts (empty without a cursor).
  void SetReadout(std::string left, std::string right);
  const std::string& LeftReadout() const { return leftReadout_; }
  const std::string& RightReadout() const { return rightReadout_; }

  std::vector<TPanelMenuEntry> MenuEntries() const override;
  void PopupMenuClick(const TPanelMenuEntry& entry) override;
  // ShowLaserandGraph1Click: the display mode goes to the panel and to the tool.
  void ShowLaserandGraph1Click(int tag);
  // The image, with the cursor line and the remembered read-outs over it (BoxPaint).
  const TFastDIB& BoxPicture() override;

 protected:
  // CalcLabel, then the menu entries.
  std::vector<TPanelControl> OwnControls() const override;
  void SetToolGain(int gain) override;
  bool OffersNormalise() const override { return true; }

 private:
  TIntensityTool& intensity_;
  int backgroundMode_;
  int displayMode_;
  bool calcLabelVisible_ = false;
  std::string leftReadout_;
  std::string rightReadout_;
  TFastDIB boxPicture_;
};

}  // namespace wavora
