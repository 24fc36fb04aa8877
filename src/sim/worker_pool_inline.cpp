#include "sim/worker_pool.h"

#include <algorithm>

namespace wavora {

// The pool of a build without threads: every part runs on the caller, in order, so the results are
// those of any number of threads.
class TWorkerPool::TThreads {};

TWorkerPool& TWorkerPool::Shared() {
  static TWorkerPool pool;
  return pool;
}

int TWorkerPool::HardwareParts() {
  return 1;
}

TWorkerPool::TWorkerPool() = default;

TWorkerPool::~TWorkerPool() = default;

void TWorkerPool::Run(int parts, TTask task, void* context) {
  for (int part = 0; part < std::min(parts, kMaxParts); ++part)
    task(context, part);
}

bool TWorkerPool::JobsFollowClosely() const {
  return true;
}

}  // namespace wavora
