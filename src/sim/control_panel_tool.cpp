#include "sim/control_panel_tool.h"

#include "image/fast_dib.h"

namespace wavora {

const TClassInfo& TControlPanelTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TControlPanelTool>("TControlPanelTool", &TBaseTool::StaticClassInfo())
          .Texts("Base Control panel Tool Type", "Need to change this")
          .Abstract()
          .Boolean("ActiveCPTool", &TControlPanelTool::GetActiveCPTool, &TControlPanelTool::SetActiveCPTool)
          .SessionState()
          .Build();
  return info;
}

void TControlPanelTool::ClaimPanel() {
  activeCPTool_ = true;
  const TBasicXMLNode* parent = ParentObject();
  if (!parent) return;
  for (int i = 0; i < parent->GetChildCount(); ++i) {
    const TRef<TControlPanelTool> sibling = RefCast<TControlPanelTool>(parent->GetChildren(i));
    if (sibling && sibling.Get() != this) sibling->activeCPTool_ = false;
  }
}

void TControlPanelTool::SetActiveCPTool(bool value) {
  if (value == activeCPTool_) return;
  activeCPTool_ = value;
  if (!value) return;
  ClaimPanel();
  if (!GetActiveTool()) Select(false);
}

void TControlPanelTool::Select(bool keepOthers) {
  TBaseTool::Select(keepOthers);
  ClaimPanel();
}

void TControlPanelTool::Activate() {
  // A tool read from a file may arrive flagged before it has a tank: claiming again on arrival
  // clears the flag on the siblings read before it.
  if (activeCPTool_) ClaimPanel();
  SetActiveCPTool(true);
  if (!GetActiveTool()) Select(false);
}

void TControlPanelTool::UpdateControlPanel(TBaseCPFrame&) {}

void TControlPanelTool::DrawCaptions(TFastDIB& image, std::string_view left, std::string_view right) const {
  if (left.empty() && right.empty()) return;
  const int leftHeight = image.TextExtent(left).height;
  image.TextOut(1, image.Height() - leftHeight, left, TextColour);
  const TTextExtent rightExtent = image.TextExtent(right);
  image.TextOut(image.Width() - rightExtent.width, image.Height() - rightExtent.height, right, TextColour);
}

}  // namespace wavora
