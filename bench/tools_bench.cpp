#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "image/fast_dib.h"
#include "sim/control_panel_tool.h"
#include "sim/frame_loop.h"
#include "sim/tool_class_list.h"
#include "sim/tool_panel.h"

namespace wavora {
namespace {

// A frame of the default slide at 401 x 401 as the window runs it: the step with the tank image,
// every object drawn, and the active tool's panel (417 x 169) brought up to date. With tools: every
// tool of the tools menu, the last one (the spectrometer) holding the panel and the others sampling
// too. In fast mode a frame is five steps.
void BM_FrameWithTools(benchmark::State& state) {
  RegisterClasses();
  const TRef<TSlideshow> slideshow = NewSlideshow(401, 401);
  const TRef<TWater> tank = slideshow->GetActiveWater();
  std::vector<std::unique_ptr<TControlPanelModel>> panels;
  if (state.range(0) != 0) {
    for (int i = 0; i < ToolCount(); ++i) {
      const iXMLNode tool = ToolClass(i)->Create();
      tank->add(tool);
      if (const TRef<TControlPanelTool> panelTool = RefCast<TControlPanelTool>(tool)) {
        panels.push_back(panelTool->CreateControlPanel());
        auto& panel = static_cast<TBaseCPFrame&>(*panels.back());
        panel.SetBoxSize(417, 169);
        panel.RefreshPanel();
      }
    }
  }
  TFastDIB image(401, 401);
  TFrameLoop loop;
  loop.fast = state.range(1) != 0;
  for (auto _ : state) {
    const TFrameOutcome outcome = loop.RunFrame(tank.Get(), image, false);
    for (const auto& panel : panels) {
      auto& frame = static_cast<TBaseCPFrame&>(*panel);
      if (&frame.Tool() == outcome.activePanelTool) outcome.activePanelTool->UpdateControlPanel(frame);
    }
  }
}
BENCHMARK(BM_FrameWithTools)
    ->ArgNames({"tools", "fast"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wavora
