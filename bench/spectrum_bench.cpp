#include <benchmark/benchmark.h>

#include <cmath>

#include "image/fast_dib.h"
#include "sim/water.h"
#include "tools/spectrum_cp.h"
#include "tools/spectrum_tool.h"

namespace wavora {
namespace {

// One update of the spectrometer's panel at its design size (417 x 167): one 16384-point transform,
// peak shaping, the columns and the image. Argument: the display mode (0 image and graph, 2 graph
// on the light grid).
void BM_SpectrumPanelUpdate(benchmark::State& state) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(401, 401);
  const TRef<TSpectrumTool> tool = MakeNode<TSpectrumTool>();
  tank->add(tool);
  tool->SetIntensityMode(static_cast<int32_t>(state.range(0)));
  const TCellRef cell = tank->Grid()->Cell(tool->Point1().x, tool->Point1().y);
  for (int step = 0; step < 1000; ++step) {
    cell.Displacement = static_cast<float>(std::sin(step * 0.18) + 0.3 * std::sin(step * 0.41));
    tool->AfterStep();
  }
  TSpectrumToolCP panel(*tool);
  for (auto _ : state) {
    tool->UpdateControlPanel(panel);
    benchmark::DoNotOptimize(panel.SnapshotImage()->Bits());
  }
}
BENCHMARK(BM_SpectrumPanelUpdate)->ArgName("mode")->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wavora
