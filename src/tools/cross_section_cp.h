#pragma once

#include "tools/line_tool_frame.h"

namespace wavora {

class TCrossSectionTool;

// The cross-section's panel: the trace over a blue-green gradient with a grid every 20 cells of the
// line, the cursor line and its read-outs.
class TScopeToolsFrame : public TLineToolFrame {
 public:
  TScopeToolsFrame(TCrossSectionTool& tool, int gain);

  // The four-corner gradient and the grid lines, over the whole image.
  void DrawBackground(TFastDIB& image) const;

 protected:
  void SetToolGain(int gain) override;
  void HideCursor() override;

 private:
  TCrossSectionTool& crossSection_;
};

}  // namespace wavora
