#include <benchmark/benchmark.h>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "fastest_repetition.h"
#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/sampling_tool.h"

namespace wavora {
namespace {

// A line tool that reads all its samples after every step, as the cross-section tool does.
class TBenchLineTool : public TBaseSamplingTool {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TBenchLineTool>("TBenchLineTool", &TBaseSamplingTool::StaticClassInfo()).Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void AfterStep() override {
    for (size_t i = 0; i < Samples().size(); ++i)
      sum += SampleValue(i);
  }
  double sum = 0;
};

// A slower medium over the right half of the tank.
class TBenchMedium : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TBenchMedium>("TBenchMedium", &TBaseRIControlRIMapper::StaticClassInfo()).Build();
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void MapToWater() override {
    ResetMedium();
    for (int32_t x = W() / 2; x < W() - 1; ++x) {
      for (int32_t y = 1; y < H() - 1; ++y)
        Grid()->Cell(x, y).SpeedFactor = 0.25f;
    }
  }
};

// One running frame of the default slide with a medium and a sampling tool, at 401 x 401, on the
// plain loops on one thread (plain:1) or on the program's own choice of path and threads.
void BM_Frame(benchmark::State& state) {
  RegisterClasses();
  const TRef<TSlideshow> slideshow = NewSlideshow(401, 401);
  const TRef<TWater> tank = slideshow->GetActiveWater();
  if (state.range(1) != 0) tank->Stepper().SetSettings({TSweepPath::kPlain, 1});
  tank->SetRIMapClass(TBenchMedium::StaticClassInfo());
  const TRef<TBenchLineTool> tool = MakeNode<TBenchLineTool>();
  tank->add(tool);
  tool->MatchSampleCount(417);
  TFastDIB image(401, 401);
  TFrameLoop loop;
  loop.fast = state.range(0) != 0;
  for (auto _ : state)
    loop.RunFrame(tank.Get(), image, false);
  benchmark::DoNotOptimize(tool->sum);
}
BENCHMARK(BM_Frame)
    ->Apply([](benchmark::internal::Benchmark* bench) { WithFastestRepetition(bench); })
    ->ArgNames({"fast", "plain"})
    ->ArgsProduct({{0, 1}, {1, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wavora
