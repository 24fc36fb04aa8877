#pragma once

#include <string_view>

#include "image/colour.h"
#include "sim/tool.h"

namespace wavora {

class TBaseCPFrame;
class TFastDIB;

// A tool that owns a control panel. At most one tool of a tank is the active panel tool
// (ActiveCPTool): its panel is the one shown below the tank.
class TControlPanelTool : public TBaseTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool GetActiveCPTool() const { return activeCPTool_; }
  // Turning it on makes this the active panel tool of its tank and selects it.
  void SetActiveCPTool(bool value);

  // Selecting a panel tool also makes its panel the one shown.
  void Select(bool keepOthers) override;
  void Activate() override;

  // Brings the panel up to date and redraws its image. Overrides call the base first.
  virtual void UpdateControlPanel(TBaseCPFrame& panel);

  // Draws left at the left edge and right against the right edge, both on the image's bottom edge,
  // in the text colour, without background.
  void DrawCaptions(TFastDIB& image, std::string_view left, std::string_view right) const;

  TColour TextColour = RGB(128, 128, 128);

 private:
  // Marks this tool as the active panel tool and clears the mark on its siblings.
  void ClaimPanel();

  bool activeCPTool_ = false;
};

}  // namespace wavora
