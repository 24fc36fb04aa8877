#include "tools/tick_clock.h"

#include <chrono>

namespace wavora {

namespace {

const TTickClock* currentClock = nullptr;

}  // namespace

uint32_t TSteadyTickClock::Now() const {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<uint32_t>(static_cast<uint64_t>(ms.count()));
}

const TTickClock& StopwatchClock() {
  static const TSteadyTickClock steady;
  return currentClock ? *currentClock : steady;
}

void SetStopwatchClock(const TTickClock* clock) {
  currentClock = clock;
}

}  // namespace wavora
