#include "document/slide_run.h"

#include "sim/control_panel_tool.h"
#include "sim/tool_panel.h"

namespace wavora {

namespace {

TControlPanelTool* FirstActivePanelTool(const TWater& water) {
  for (int i = 0; i < water.GetChildCount(); ++i) {
    const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(water.GetChildren(i));
    if (tool && tool->GetActiveCPTool()) return tool.Get();
  }
  return nullptr;
}

}  // namespace

TSlideRun::TSlideRun(TRunClock& clock, const TRef<TWater>& water, int panelWidth, int panelHeight, bool fast)
    : clock_(clock), water_(water), image_(water->W(), water->H()) {
  loop_.fast = fast;
  for (int i = 0; i < water->GetChildCount(); ++i) {
    const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(water->GetChildren(i));
    if (!tool) continue;
    std::unique_ptr<TControlPanelModel> model = tool->CreateControlPanel();
    auto* panel = dynamic_cast<TBaseCPFrame*>(model.get());
    if (!panel) continue;
    model.release();
    panel->SetBoxSize(panelWidth, panelHeight);
    panels_.push_back({tool.Get(), std::unique_ptr<TBaseCPFrame>(panel)});
  }
  for (const TToolPanel& each : panels_)
    each.tool->UpdateControlPanel(*each.panel);
}

TSlideRun::~TSlideRun() = default;

TBaseCPFrame* TSlideRun::PanelOf(const TControlPanelTool* tool) const {
  for (const TToolPanel& each : panels_) {
    if (each.tool == tool) return each.panel.get();
  }
  return nullptr;
}

TBaseCPFrame* TSlideRun::ActivePanel() const {
  return PanelOf(FirstActivePanelTool(*water_));
}

void TSlideRun::UpdatePanel(TControlPanelTool* tool) {
  if (TBaseCPFrame* panel = PanelOf(tool)) tool->UpdateControlPanel(*panel);
}

void TSlideRun::RunFrame() {
  clock_.NextFrame();
  UpdatePanel(loop_.RunFrame(water_.Get(), image_, false).activePanelTool);
  ++frames_;
}

void TSlideRun::Finish() {
  if (frames_ == 0) {
    loop_.DrawStill(*water_, image_);
    UpdatePanel(FirstActivePanelTool(*water_));
  }
  for (const TToolPanel& each : panels_)
    each.panel->RefreshPanel();
}

}  // namespace wavora
