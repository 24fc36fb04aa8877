#pragma once

#include "sim/control_panel_tool.h"
#include "sim/ri_map.h"
#include "sim/tool.h"

namespace wavora::test {

// A medium with a handle and the refractive-index panel, offered after the empty tank.
class TTestLens : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int32_t HandleKind() const override { return 1; }
};

// A tool without a panel, with two handles.
class TTestRuler : public TBaseTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int32_t HandleKind() const override { return 2; }
};

// A tool with a panel it paints in one colour, and a "Copy Data" entry in its list item's menu.
class TTestMeter : public TControlPanelTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int32_t HandleKind() const override { return 1; }
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  void UpdateControlPanel(TBaseCPFrame& panel) override;
  std::vector<TListMenuEntry> ListMenuEntries() override;
  static constexpr TColour kPanelColour = RGB(200, 30, 30);
};

// The program's classes, then the test lens as a medium class and the ruler (picture 1) and the meter
// (picture 3) as the last tool classes, once per process.
void RegisterCatalogueTestClasses();
// The index of the class in the tool class list, or -1.
int ToolIndexOf(const TClassInfo& toolClass);

}  // namespace wavora::test
