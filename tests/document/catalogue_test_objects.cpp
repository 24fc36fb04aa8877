#include "catalogue_test_objects.h"

#include "document/class_registration.h"
#include "model/node_registry.h"
#include "sim/tool_class_list.h"
#include "sim/tool_panel.h"

namespace wavora::test {

const TClassInfo& TTestLens::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTestLens>("TTestLens", &TBaseRIControlRIMapper::StaticClassInfo())
          .Texts("Test Lens", "A lens for tests")
          .Single("n", &TTestLens::GetN, &TTestLens::SetN)
          .Build();
  return info;
}

const TClassInfo& TTestRuler::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TTestRuler>("TTestRuler", &TBaseTool::StaticClassInfo())
                                     .Texts("Test Ruler", "For measuring in tests")
                                     .Build();
  return info;
}

const TClassInfo& TTestMeter::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTestMeter>("TTestMeter", &TControlPanelTool::StaticClassInfo())
          .Texts("Test Meter", "Shows a panel in tests")
          .Build();
  return info;
}

std::unique_ptr<TControlPanelModel> TTestMeter::CreateControlPanel() {
  return std::make_unique<TBaseCPFrame>(*this);
}

void TTestMeter::UpdateControlPanel(TBaseCPFrame& panel) {
  TControlPanelTool::UpdateControlPanel(panel);
  panel.SnapshotImage()->Fill(kPanelColour);
}

std::vector<TListMenuEntry> TTestMeter::ListMenuEntries() {
  TListMenuEntry copy;
  copy.action = TListMenuEntry::TAction::CopyText;
  copy.caption = "Copy Data";
  copy.text = [] { return std::string("step,level\n1,0.5\n"); };
  return {copy};
}

int ToolIndexOf(const TClassInfo& toolClass) {
  for (int i = 0; i < ToolCount(); ++i) {
    if (ToolClass(i) == &toolClass) return i;
  }
  return -1;
}

void RegisterCatalogueTestClasses() {
  static const bool registered = [] {
    RegisterClasses();
    RegisterMapClass(TTestLens::StaticClassInfo());
    RegisterTool(TTestRuler::StaticClassInfo(), 1);
    RegisterTool(TTestMeter::StaticClassInfo(), 3);
    for (const TClassInfo* nodeClass :
         {&TTestLens::StaticClassInfo(), &TTestRuler::StaticClassInfo(), &TTestMeter::StaticClassInfo()})
      NodeRegistry().RegisterNode(nodeClass);
    return true;
  }();
  (void)registered;
}

}  // namespace wavora::test
