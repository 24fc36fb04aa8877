#include "ui/tool_panels.h"

#include "sim/control_panel_tool.h"
#include "sim/tool_panel.h"
#include "sim/water.h"
#include "ui/panel_views.h"

namespace wavora {

TToolPanels::TToolPanels(QWidget& holder, std::function<void(bool)> shown)
    : holder_(holder), shown_(std::move(shown)) {}

void TToolPanels::Follow(const TWater* tank) {
  std::vector<TControlPanelTool*> tools;
  if (tank) {
    for (int i = 0; i < tank->GetChildCount(); ++i) {
      if (const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(tank->GetChildren(i)))
        tools.push_back(tool.Get());
    }
  }
  const int32_t tankID = tank ? tank->GetUniqueID() : 0;
  bool inStep = tankID_ == tankID && panels_.size() == tools.size();
  for (size_t i = 0; inStep && i < tools.size(); ++i)
    inStep = panels_[i].tag == tools[i]->GetUniqueID();
  if (inStep) return;

  panels_.clear();
  for (TControlPanelTool* tool : tools) {
    std::unique_ptr<TControlPanelModel> model = tool->CreateControlPanel();
    if (!dynamic_cast<TBaseCPFrame*>(model.get())) continue;
    THeldPanel panel;
    panel.tag = tool->GetUniqueID();
    panel.model = std::move(model);
    panel.view = CreatePanelView(*panel.model, &holder_);
    if (panel.view) panel.view->setVisible(tool->GetActiveCPTool());
    panels_.push_back(std::move(panel));
  }
  tankID_ = tankID;
}

void TToolPanels::Show(int32_t toolID) {
  bool shown = false;
  for (THeldPanel& panel : panels_) {
    if (!panel.view) continue;
    const bool visible = panel.tag == toolID;
    if (panel.view->isVisible() != visible) panel.view->setVisible(visible);
    if (visible) {
      panel.view->raise();
      shown = true;
    }
  }
  shown_(shown);
}

void TToolPanels::Update(TControlPanelTool& tool) {
  Show(tool.GetUniqueID());
  for (THeldPanel& panel : panels_) {
    if (panel.tag != tool.GetUniqueID()) continue;
    tool.UpdateControlPanel(static_cast<TBaseCPFrame&>(*panel.model));
    if (panel.view) panel.view->update();
  }
}

void TToolPanels::Refresh(int32_t toolID) {
  for (THeldPanel& panel : panels_) {
    if (panel.tag == toolID) static_cast<TBaseCPFrame&>(*panel.model).RefreshPanel();
  }
}

TFastDIB* TToolPanels::SnapshotImageOf(int32_t toolID) const {
  for (const THeldPanel& panel : panels_) {
    if (panel.tag == toolID && panel.model) return static_cast<TBaseCPFrame&>(*panel.model).SnapshotImage();
  }
  return nullptr;
}

void TToolPanels::Clear() {
  panels_.clear();
  tankID_ = -1;
}

}  // namespace wavora
