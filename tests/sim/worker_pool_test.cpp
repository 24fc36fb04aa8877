#include "sim/worker_pool.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <thread>

namespace wavora {
namespace {

struct TTally {
  std::array<std::atomic<int>, 4> runs{};
};

void CountPart(void* context, int part) {
  static_cast<TTally*>(context)->runs[static_cast<size_t>(part)].fetch_add(1);
}

// Jobs of changing sizes, back to back and with pauses long enough for the workers to fall asleep:
// every part of every job runs exactly once, whether a worker was spinning or sleeping, and a worker
// left out of a small job never runs a part of the next one twice.
TEST(WorkerPool, RunsEveryPartOfEveryJobOnce) {
  TWorkerPool pool;
  TTally tally;
  std::array<int, 4> expected{};
  for (int job = 0; job < 600; ++job) {
    const int parts = 1 + job % 4;
    pool.Run(parts, CountPart, &tally);
    for (int part = 0; part < parts; ++part)
      ++expected[static_cast<size_t>(part)];
    if (job % 100 == 99) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  for (size_t part = 0; part < expected.size(); ++part)
    EXPECT_EQ(tally.runs[part].load(), expected[part]) << "part " << part;
}

}  // namespace
}  // namespace wavora
