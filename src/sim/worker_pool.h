#pragma once

#include <memory>

namespace wavora {

// Threads kept for the life of the program that share out the parts of one job at a time, so a time
// step never starts a thread. The caller runs part 0 itself and returns when every part is done. A
// build without threads (WebAssembly) runs the parts one after the other on the caller.
class TWorkerPool {
 public:
  using TTask = void (*)(void* context, int part);

  // The pool every tank shares; it grows to the largest number of parts asked for.
  static TWorkerPool& Shared();
  // How many parts can run at the same time: the processor's threads, 1 in a build without threads.
  static int HardwareParts();

  TWorkerPool();
  TWorkerPool(const TWorkerPool&) = delete;
  TWorkerPool& operator=(const TWorkerPool&) = delete;
  ~TWorkerPool();

  // parts: at most kMaxParts.
  static constexpr int kMaxParts = 255;
  void Run(int parts, TTask task, void* context);
  // Whether the last job ended within the spin time, so that workers are still awake for the next
  // (always, where there are no workers to sleep).
  bool JobsFollowClosely() const;

 private:
  class TThreads;  // the workers and their signals, where the build has threads
  std::unique_ptr<TThreads> threads_;
};

}  // namespace wavora
