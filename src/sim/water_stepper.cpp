#include "sim/water_stepper.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "sim/worker_pool.h"

namespace wavora {

namespace {

constexpr int kMaxThreads = 64;

TSweepPath BestPath() {
  if (PathAvailable(TSweepPath::kAvx2)) return TSweepPath::kAvx2;
  if (PathAvailable(TSweepPath::kSse2)) return TSweepPath::kSse2;
  return TSweepPath::kPlain;
}

TSweepPath PathFromEnvironment() {
  const char* text = std::getenv("WAVORA_SIMD");
  const std::string_view choice = text ? text : "";
  if (choice == "off") return TSweepPath::kPlain;
  if (choice == "sse2" && PathAvailable(TSweepPath::kSse2)) return TSweepPath::kSse2;
  return BestPath();
}

int ThreadsFromEnvironment() {
  const char* text = std::getenv("WAVORA_THREADS");
  if (text) {
    const std::string_view digits = text;
    int count = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error == std::errc() && end == digits.data() + digits.size() && count >= 1)
      return std::min(count, kMaxThreads);
  }
  return std::min(TWorkerPool::HardwareParts(), kMaxThreads);
}

// The pool's task for part i: the kernel on run i.
template <void (*kKernel)(const TSweepRun&)>
void RunPart(void* runs, int part) {
  kKernel(static_cast<const TSweepRun*>(runs)[part]);
}

// The sweeps' scratch, one set per stepping thread rather than one per tank: only the tank being
// stepped uses it, so the slides of a long lesson do not each keep their own (some 135 kB a slide at
// 401 x 401 with two threads). Slides of one slideshow share their size, so moving between them
// makes no new scratch.
struct TThreadScratch {
  std::vector<TSweepScratch> runs;
  int32_t height = -1;
};

TThreadScratch& ThreadScratch() {
  thread_local TThreadScratch scratch;
  return scratch;
}

}  // namespace

bool PathAvailable(TSweepPath path) {
#if defined(WAVORA_VECTOR_SWEEPS)
  if (path == TSweepPath::kAvx2) return ProcessorHasAvx2();
  return true;
#else
  return path == TSweepPath::kPlain;
#endif
}

const TStepSettings& DefaultStepSettings() {
  static const TStepSettings settings{PathFromEnvironment(), ThreadsFromEnvironment(),
                                      TStepSettings::kCellsPerThread};
  return settings;
}

void TWaterStepper::SetSettings(TStepSettings settings) {
  if (!PathAvailable(settings.path)) settings.path = TSweepPath::kPlain;
  settings.threads = std::clamp(settings.threads, 1, kMaxThreads);
  settings.cellsPerThread = std::max<int64_t>(settings.cellsPerThread, 1);
  settings.cellsPerWokenThread = std::max<int64_t>(settings.cellsPerWokenThread, 1);
  settings_ = settings;
}

int TWaterStepper::RunCount(const TWaterGrid& grid) const {
  const int64_t columns = grid.Width() - 2;
  const int64_t cells = columns * (grid.Height() - 2);
  const int64_t perThread =
      TWorkerPool::Shared().JobsFollowClosely() ? settings_.cellsPerThread : settings_.cellsPerWokenThread;
  const int64_t gaining = std::max<int64_t>(1, cells / perThread);
  return static_cast<int>(std::min<int64_t>({settings_.threads, gaining, columns}));
}

void TWaterStepper::PrepareRuns(TWaterGrid& grid, TFastDIB* image, TFieldShade shade) {
  const int count = RunCount(grid);
  // Scratch is made only when the grid's height changes or more runs than ever are asked for, never
  // in a running tank.
  TThreadScratch& scratch = ThreadScratch();
  if (static_cast<int>(scratch.runs.size()) < count || scratch.height != grid.Height()) {
    scratch.runs.assign(count, TSweepScratch());
    for (TSweepScratch& run : scratch.runs)
      run.Resize(grid.Height());
    scratch.height = grid.Height();
  }
  runs_.resize(count);
  const int32_t columns = grid.Width() - 2;
  for (int i = 0; i < count; ++i) {
    runs_[i] = TSweepRun{&grid,
                         1 + static_cast<int32_t>(int64_t{columns} * i / count),
                         1 + static_cast<int32_t>(int64_t{columns} * (i + 1) / count),
                         image,
                         shade,
                         &scratch.runs[i]};
  }
}

void TWaterStepper::Sweep(TWaterGrid& grid, TFastDIB* image, TFieldShade shade) {
  if (!grid.HasInterior()) return;
  PrepareRuns(grid, image, shade);
  TWorkerPool& pool = TWorkerPool::Shared();
  const int count = static_cast<int>(runs_.size());
  if (settings_.path == TSweepPath::kPlain) {
    pool.Run(count, RunPart<PlainVelocitySweep>, runs_.data());
    pool.Run(count, RunPart<PlainHeightSweep>, runs_.data());
    return;
  }
#if defined(WAVORA_VECTOR_SWEEPS)
  for (const TSweepRun& run : runs_)
    TakeEdgeHeights(run);
  pool.Run(count, settings_.path == TSweepPath::kAvx2 ? RunPart<VectorSweepAvx2> : RunPart<VectorSweepSse2>,
           runs_.data());
#endif
}

void TWaterStepper::Draw(TWaterGrid& grid, TFastDIB& image, TFieldShade shade) {
  if (!grid.HasInterior()) return;
  PrepareRuns(grid, &image, shade);
  TWorkerPool::TTask draw = RunPart<PlainDraw>;
#if defined(WAVORA_VECTOR_SWEEPS)
  if (settings_.path != TSweepPath::kPlain)
    draw = settings_.path == TSweepPath::kAvx2 ? RunPart<VectorDrawAvx2> : RunPart<VectorDrawSse2>;
#endif
  // On the calling thread: a redraw comes alone (a paused tank every few frames, a medium mapped),
  // so the pool's worker would only wake to wait in vain for a step that does not follow.
  for (int i = 0; i < static_cast<int>(runs_.size()); ++i)
    draw(runs_.data(), i);
}

}  // namespace wavora
