#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace wavora::soak {

// The last events the monkey delivered, kept in fixed buffers so that a crash handler, a sanitizer's
// death report or the hang watchdog can print them without allocating. One log per process.
class TEventLog {
 public:
  static constexpr int kKept = 30;
  static constexpr int kTextSize = 200;

  // trace: every event and note is printed as it happens too.
  TEventLog(uint64_t seed, bool trace);
  ~TEventLog();
  TEventLog(const TEventLog&) = delete;
  TEventLog& operator=(const TEventLog&) = delete;

  // Numbers and records the event about to be delivered; returns its number (from 1).
  int64_t Begin(const std::string& text);
  // Adds a line to the current event (what a dialog was answered, which message was shown).
  void Note(const std::string& text);
  int64_t Count() const { return count_; }

  // Restarts the hang watchdog: the process fails when the next call does not come within seconds.
  static void ArmWatchdog(unsigned seconds);

  // Prints why the run failed, the seed, the command that replays it and the last events. Safe in a
  // signal handler.
  void Report(const char* reason) const;

 private:
  void Write(const char* text) const;

  uint64_t seed_;
  bool trace_;
  int64_t count_ = 0;
  int next_ = 0;
  std::array<std::array<char, kTextSize>, kKept> lines_{};
};

}  // namespace wavora::soak
