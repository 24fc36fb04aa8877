#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace wavora {

// Threads kept for the life of the program that share out the parts of one job at a time, so a time
// step never starts a thread. The caller runs part 0 itself and returns when every part is done.
//
// Waking a sleeping thread costs about as much as a step of a school-sized tank (on virtual machines
// above all), so both sides first spin for a short while: a worker after its part, waiting for the
// next job (steps that follow one another, as in fast mode and the runner, then never sleep), and the
// caller after its own part, waiting for the others. Only then do they sleep.
class TWorkerPool {
 public:
  using TTask = void (*)(void* context, int part);

  // The pool every tank shares; it grows to the largest number of parts asked for.
  static TWorkerPool& Shared();

  TWorkerPool() = default;
  TWorkerPool(const TWorkerPool&) = delete;
  TWorkerPool& operator=(const TWorkerPool&) = delete;
  ~TWorkerPool();

  // parts: at most kMaxParts.
  static constexpr int kMaxParts = 255;
  void Run(int parts, TTask task, void* context);
  // Whether the last job ended within the spin time, so that workers are still awake for the next.
  bool JobsFollowClosely() const;

 private:
  void RunParts(int parts, TTask task, void* context);
  void Work(int part);
  // Spins until the condition holds or the spin time is up; returns whether it holds.
  template <class Condition>
  static bool SpinUntil(Condition condition);

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

}  // namespace wavora
