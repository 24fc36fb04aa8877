#include "sim/worker_pool.h"

namespace wavora {

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

void TWorkerPool::Run(int parts, TTask task, void* context) {
  if (parts <= 1) {
    if (parts == 1) task(context, 0);
    return;
  }
  const std::lock_guard run(runMutex_);
  {
    const std::lock_guard lock(mutex_);
    while (static_cast<int>(threads_.size()) < parts - 1) {
      const int part = static_cast<int>(threads_.size()) + 1;
      threads_.emplace_back([this, part] { Work(part); });
    }
    task_ = task;
    context_ = context;
    parts_ = parts;
    pending_ = parts - 1;
    ++generation_;
  }
  wake_.notify_all();
  task(context, 0);
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return pending_ == 0; });
}

void TWorkerPool::Work(int part) {
  uint64_t seen = 0;
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
    if (stopping_) return;
    seen = generation_;
    if (part >= parts_) continue;
    const TTask task = task_;
    void* const context = context_;
    lock.unlock();
    task(context, part);
    lock.lock();
    if (--pending_ == 0) done_.notify_one();
  }
}

}  // namespace wavora
