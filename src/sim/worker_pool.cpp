#include "sim/worker_pool.h"

#include <algorithm>
#include <chrono>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace wavora {

namespace {

// Long enough to bridge the gap between two steps of a frame, short enough that a worker idle
// between the frames of a running window costs next to nothing.
constexpr std::chrono::microseconds kSpinTime{200};

int64_t Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Relax() {
#if defined(__x86_64__)
  _mm_pause();
#else
  std::this_thread::yield();
#endif
}

}  // namespace

template <class Condition>
bool TWorkerPool::SpinUntil(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + kSpinTime;
  for (int turn = 1;; ++turn) {
    if (condition()) return true;
    Relax();
    if (turn % 64 == 0 && std::chrono::steady_clock::now() >= end) return condition();
  }
}

TWorkerPool& TWorkerPool::Shared() {
  static TWorkerPool pool;
  return pool;
}

TWorkerPool::~TWorkerPool() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& thread : threads_)
    thread.join();
}

bool TWorkerPool::JobsFollowClosely() const {
  return Now() - lastJobEnd_.load() < std::chrono::nanoseconds(kSpinTime).count();
}

void TWorkerPool::Run(int parts, TTask task, void* context) {
  RunParts(std::min(parts, kMaxParts), task, context);
  lastJobEnd_.store(Now());
}

void TWorkerPool::RunParts(int parts, TTask task, void* context) {
  if (parts <= 1) {
    if (parts == 1) task(context, 0);
    return;
  }
  const std::lock_guard run(runMutex_);
  while (static_cast<int>(threads_.size()) < parts - 1) {
    const int part = static_cast<int>(threads_.size()) + 1;
    threads_.emplace_back([this, part] { Work(part); });
  }
  task_ = task;
  context_ = context;
  pending_.store(parts - 1);
  {
    // Changed under the lock so that a worker about to sleep either sees it or gets the notice.
    const std::lock_guard lock(mutex_);
    const uint64_t number = (job_.load() >> 8) + 1;
    job_.store(number << 8 | static_cast<uint64_t>(parts));
  }
  wake_.notify_all();
  task(context, 0);
  if (SpinUntil([this] { return pending_.load() == 0; })) return;
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return pending_.load() == 0; });
}

void TWorkerPool::Work(int part) {
  uint64_t seen = 0;
  // Whether the last job came within the spin time of the one before. A running window steps once a
  // frame, 16 ms apart: spinning after each step would only burn the time, so a worker whose last wait
  // was long sleeps at once, and spins again as soon as jobs follow one another closely.
  bool jobsFollowClosely = true;
  for (;;) {
    const auto raised = [&] { return stopping_.load() || job_.load() != seen; };
    const auto idleSince = std::chrono::steady_clock::now();
    if (!(jobsFollowClosely && SpinUntil(raised))) {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, raised);
    }
    jobsFollowClosely = std::chrono::steady_clock::now() - idleSince < kSpinTime;
    if (stopping_.load()) return;
    seen = job_.load();
    if (part >= static_cast<int>(seen & 0xFF)) continue;
    task_(context_, part);
    if (pending_.fetch_sub(1) == 1) {
      // Taken so that the notice cannot fall between the caller's last look and its sleep.
      { const std::lock_guard lock(mutex_); }
      done_.notify_one();
    }
  }
}

}  // namespace wavora
