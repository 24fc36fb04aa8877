#pragma once

#include <cstdint>
#include <vector>

#include "sim/field_colour.h"
#include "sim/sweep_kernels.h"
#include "sim/water_grid.h"

namespace wavora {

class TFastDIB;

// How the sweeps run: the plain loops, or the vector sweep for the x86-64 baseline (SSE2) or for
// AVX2. Every path gives the same bits.
enum class TSweepPath { kPlain, kSse2, kAvx2 };

struct TStepSettings {
  // Tanks below this many interior cells per thread step on fewer threads.
  static constexpr int64_t kCellsPerThread = 40000;
  // The same for a step that follows no other closely (a running window steps once every 16 ms):
  // the workers have gone to sleep, and waking one costs more than its share of a school-sized step
  // gains, so such a tank steps on the caller's thread alone.
  static constexpr int64_t kCellsPerWokenThread = 250000;

  TSweepPath path = TSweepPath::kPlain;
  int threads = 1;  // 1: the caller's thread only
  int64_t cellsPerThread = kCellsPerThread;
  int64_t cellsPerWokenThread = kCellsPerWokenThread;
};

// The best path this processor runs (WAVORA_SIMD=off: the plain loops; sse2: the baseline vector
// path) and the thread count (WAVORA_THREADS, default: the cores available), read once.
const TStepSettings& DefaultStepSettings();
// Whether this processor can run the path.
bool PathAvailable(TSweepPath path);

// Runs the two sweeps of a tank's time step over the grid's interior, split by columns over the
// shared worker pool when the tank is large enough to gain. Results do not depend on the path or on
// the number of threads.
class TWaterStepper {
 public:
  TWaterStepper() : settings_(DefaultStepSettings()) {}

  const TStepSettings& Settings() const { return settings_; }
  // A path the processor cannot run falls back to the plain loops; threads and both cells per thread
  // are at least 1.
  void SetSettings(TStepSettings settings);

  // Velocities, then heights of every interior cell, writing each new height's pixel when an image
  // is given (it has the grid's size).
  void Sweep(TWaterGrid& grid, TFastDIB* image, TFieldShade shade);
  // The pixel of every interior cell from the grid as it stands (the image has the grid's size), on
  // the calling thread.
  void Draw(TWaterGrid& grid, TFastDIB& image, TFieldShade shade);

 private:
  int RunCount(const TWaterGrid& grid) const;
  void PrepareRuns(TWaterGrid& grid, TFastDIB* image, TFieldShade shade);

  TStepSettings settings_;
  std::vector<TSweepRun> runs_;
};

}  // namespace wavora
