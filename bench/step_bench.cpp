#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "fastest_repetition.h"
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

// Arguments: side, path (0 plain, 1 SSE2, 2 AVX2), threads.
TRef<TWater> BenchTank(const benchmark::State& state) {
  const TRef<TWater> tank = LiveTank(static_cast<int>(state.range(0)));
  tank->Stepper().SetSettings({static_cast<TSweepPath>(state.range(1)), static_cast<int>(state.range(2))});
  return tank;
}

// Cells, and the bytes a step must move between the caches and memory: the four fields of every
// cell read once (16 bytes), its height and velocity written back once (8 bytes).
void CountCells(benchmark::State& state) {
  constexpr int64_t kBytesPerCell = 4 * sizeof(float) + 2 * sizeof(float);
  const int64_t cells = state.range(0) * state.range(0);
  state.SetItemsProcessed(state.iterations() * cells);
  state.SetBytesProcessed(state.iterations() * cells * kBytesPerCell);
}

void BM_Step(benchmark::State& state) {
  const TRef<TWater> tank = BenchTank(state);
  for (auto _ : state)
    tank->Step();
  CountCells(state);
}

void BM_StepAndDraw(benchmark::State& state) {
  const TRef<TWater> tank = BenchTank(state);
  TFastDIB image(tank->W(), tank->H());
  for (auto _ : state)
    tank->StepAndDraw(image);
  CountCells(state);
}

void PathsAndThreads(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"side", "path", "threads"});
  for (int side : {401, 1024, 2048}) {
    for (int path : {0, 1, 2})
      bench->Args({side, path, 1});
    bench->Args({side, 2, 2});
  }
  // Threads finish on other cores: wall time is the step's time.
  WithFastestRepetition(bench->UseRealTime()->Unit(benchmark::kMicrosecond));
}
BENCHMARK(BM_Step)->Apply(PathsAndThreads);
BENCHMARK(BM_StepAndDraw)->Apply(PathsAndThreads);

// The machine's streaming bandwidth: a copy of a block as large as the grid of a side, counting the
// bytes read and the bytes written.
void BM_StreamCopy(benchmark::State& state) {
  const size_t bytes = size_t(state.range(0) * state.range(0)) * sizeof(TWaterCell);
  std::vector<char> from(bytes, 1);
  std::vector<char> to(bytes, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t(2 * bytes));
}
BENCHMARK(BM_StreamCopy)
    ->Apply([](benchmark::internal::Benchmark* bench) { WithFastestRepetition(bench); })
    ->ArgName("side")
    ->Arg(401)
    ->Arg(1024)
    ->Arg(2048)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wavora
