#include "sim/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

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

// Spins until the condition holds or the spin time is up; returns whether it holds.
template <class Condition>
bool SpinUntil(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + kSpinTime;
  for (int turn = 1;; ++turn) {
    if (condition()) return true;
    Relax();
    if (turn % 64 == 0 && std::chrono::steady_clock::now() >= end) return condition();
  }
}

}  // namespace

// Waking a sleeping thread costs about as much as a step of a school-sized tank (on virtual machines
// above all), so both sides first spin for a short while: a worker after its part, waiting for the
// next job (steps that follow one another, as in fast mode and the runner, then never sleep), and the
// caller after its own part, waiting for the others. Only then do they sleep.
class TWorkerPool::TThreads {
 public:
  ~TThreads() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
      thread.join();
  }

  bool JobsFollowClosely() const {
    return Now() - lastJobEnd_.load() < std::chrono::nanoseconds(kSpinTime).count();
  }

  // parts: at most kMaxParts.
  void Run(int parts, TTask task, void* context) {
    RunParts(parts, task, context);
    lastJobEnd_.store(Now());
  }

 private:
  void RunParts(int parts, TTask task, void* context) {
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

  void Work(int part) {
    uint64_t seen = 0;
    // Whether the last job came within the spin time of the one before. A running window steps once
    // a frame, 16 ms apart: spinning after each step would only burn the time, so a worker whose last
    // wait was long sleeps at once, and spins again as soon as jobs follow one another closely.
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

  std::mutex runMutex_;  // one job at a time
  std::mutex mutex_;     // guards the sleeping, with the two conditions below
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> threads_;
  // The job's number and its count of parts in one word (number * 256 + parts), so a worker reads
  // both at once. The task and its context are written before the word changes and stay until
  // every part of the job is done.
  std::atomic<uint64_t> job_ = 0;
  std::atomic<int> pending_ = 0;
  std::atomic<bool> stopping_ = false;
  std::atomic<int64_t> lastJobEnd_ = 0;  // steady clock, nanoseconds
  TTask task_ = nullptr;
  void* context_ = nullptr;
};

TWorkerPool& TWorkerPool::Shared() {
  static TWorkerPool pool;
  return pool;
}

int TWorkerPool::HardwareParts() {
  return std::max(static_cast<int>(std::thread::hardware_concurrency()), 1);
}

TWorkerPool::TWorkerPool() : threads_(std::make_unique<TThreads>()) {}

TWorkerPool::~TWorkerPool() = default;

void TWorkerPool::Run(int parts, TTask task, void* context) {
  threads_->Run(std::min(parts, kMaxParts), task, context);
}

bool TWorkerPool::JobsFollowClosely() const {
  return threads_->JobsFollowClosely();
}

}  // namespace wavora
