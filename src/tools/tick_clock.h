#pragma once

#include <cstdint>

namespace wavora {

// A monotonic millisecond tick count that wraps at 2^32, as the stopwatch reads it.
class TTickClock {
 public:
  virtual ~TTickClock() = default;
  virtual uint32_t Now() const = 0;
};

// The platform's monotonic clock.
class TSteadyTickClock : public TTickClock {
 public:
  uint32_t Now() const override;
};

// A clock that moves only when told: tests drive it, and the command-line runner advances it by the
// frame period each frame so a run shows the time it would have taken in the window.
class TManualTickClock : public TTickClock {
 public:
  uint32_t Now() const override { return now_; }
  void Set(uint32_t ms) { now_ = ms; }
  // Unsigned, so passing 2^32 wraps to 0 as the platform's count does.
  void Advance(uint32_t ms) { now_ += ms; }

 private:
  uint32_t now_ = 0;
};

// The clock every stopwatch reads: the steady clock, unless another was set. The clock set is not
// owned and must outlive its use; none restores the steady clock.
const TTickClock& StopwatchClock();
void SetStopwatchClock(const TTickClock* clock);

}  // namespace wavora
