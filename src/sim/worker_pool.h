#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace wavora {

// Threads kept for the life of the program that share out the parts of one job at a time, so a time
// step never starts a thread. The caller runs part 0 itself and returns when every part is done.
class TWorkerPool {
 public:
  using TTask = void (*)(void* context, int part);

  // The pool every tank shares; it grows to the largest number of parts asked for.
  static TWorkerPool& Shared();

  TWorkerPool() = default;
  TWorkerPool(const TWorkerPool&) = delete;
  TWorkerPool& operator=(const TWorkerPool&) = delete;
  ~TWorkerPool();

  void Run(int parts, TTask task, void* context);

 private:
  void Work(int part);

  std::mutex runMutex_;  // one job at a time
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> threads_;
  uint64_t generation_ = 0;
  int parts_ = 0;
  int pending_ = 0;
  TTask task_ = nullptr;
  void* context_ = nullptr;
  bool stopping_ = false;
};

}  // namespace wavora
