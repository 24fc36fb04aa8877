#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace wavora {

// On a machine shared with other work the fastest of several repetitions is the one least disturbed:
// adds it as the statistic "min" (shown with --benchmark_repetitions).
inline benchmark::internal::Benchmark* WithFastestRepetition(benchmark::internal::Benchmark* bench) {
  return bench->ComputeStatistics(
      "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
}

}  // namespace wavora
