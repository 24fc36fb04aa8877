#include <benchmark/benchmark.h>

#include "image/fast_dib.h"
#include "sim/water.h"

namespace wavora {
namespace {

// A tank of the given side with a ring of displaced cells, so the sweeps work on a live field.
TRef<TWater> LiveTank(int side) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(side, side);
  for (int x = side / 4; x < side * 3 / 4; ++x)
    tank->Grid()->Cell(x, side / 2).Displacement = 1;
  return tank;
}

void BM_Step(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const TRef<TWater> tank = LiveTank(side);
  for (auto _ : state)
    tank->Step();
  state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_Step)->Arg(401)->Arg(1024)->Unit(benchmark::kMicrosecond);

void BM_StepAndDraw(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const TRef<TWater> tank = LiveTank(side);
  TFastDIB image(side, side);
  for (auto _ : state)
    tank->StepAndDraw(image);
  state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_StepAndDraw)->Arg(401)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wavora
