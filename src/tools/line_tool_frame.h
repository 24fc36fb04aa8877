#pragma once

#include <vector>

#include "sim/tool_panel.h"

namespace wavora {

class TBaseSamplingTool;

// What the panels of the two line tools share: the gain entries of the popup menu, the horizontal
// scale the grid lines follow, and the cursor the mouse over the box sets on the tool.
class TLineToolFrame : public TBaseCPFrame {
 public:
  static constexpr float kMinScale = 0.00001f;

  TLineToolFrame(TBaseSamplingTool& tool, int gain);

  int Gain() const { return gain_; }
  // Pixels per cell of the line, never below kMinScale.
  float Scale() const { return scale_; }
  void SetScale(float scale);

  // Inside the box the mouse sets the tool's cursor; outside it clears it.
  void BoxMouseMove(int x, int y) override;

  std::vector<TPanelMenuEntry> MenuEntries() const override;
  void PopupMenuClick(const TPanelMenuEntry& entry) override;

  // NoGain1Click: the chosen gain goes to the panel and to the tool.
  void NoGain1Click(int tag);

 protected:
  TBaseSamplingTool& SamplingTool() const { return samplingTool_; }
  virtual void SetToolGain(int gain) = 0;
  // Whether "Normalise" (gain 0) is offered.
  virtual bool OffersNormalise() const { return false; }

  // The vertical grid lines: at x = round(k * 20 * scale) for k = first ... floor(span / (20 *
  // scale)), rows top ... bottom. Lines closer than a pixel cover every column of their range.
  void VerticalGridLines(TFastDIB& image, int first, int span, int top, int bottom, TColour colour) const;

 private:
  TBaseSamplingTool& samplingTool_;
  int gain_;
  float scale_ = 1.0f;
};

}  // namespace wavora
