#include "event_log.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace wavora::soak {

namespace {

const TEventLog* theLog = nullptr;

// Decimal text of value into buffer (at least 21 bytes); returns the start. Allocation-free for
// signal handlers.
const char* Decimal(uint64_t value, char* buffer, size_t size) {
  char* p = buffer + size - 1;
  *p = '\0';
  do {
    *--p = char('0' + value % 10);
    value /= 10;
  } while (value != 0);
  return p;
}

void OnSignal(int signal) {
  if (theLog) theLog->Report(signal == SIGALRM ? "hang: an event did not finish in time" : strsignal(signal));
  if (signal == SIGALRM) _exit(124);
  std::signal(signal, SIG_DFL);
  raise(signal);
}

#if defined(__SANITIZE_ADDRESS__)
void OnSanitizerDeath() {
  if (theLog) theLog->Report("sanitizer finding (report above)");
}
#endif

}  // namespace

TEventLog::TEventLog(uint64_t seed, bool trace) : seed_(seed), trace_(trace) {
  theLog = this;
  for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGALRM})
    std::signal(signal, OnSignal);
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_set_death_callback(OnSanitizerDeath);
#endif
}

TEventLog::~TEventLog() {
  alarm(0);
  theLog = nullptr;
}

int64_t TEventLog::Begin(const std::string& text) {
  ++count_;
  char number[24];
  std::string line = Decimal(uint64_t(count_), number, sizeof number);
  line += ": " + text;
  std::array<char, kTextSize>& slot = lines_[size_t(next_)];
  const size_t length = std::min(line.size(), slot.size() - 1);
  std::memcpy(slot.data(), line.data(), length);
  slot[length] = '\0';
  next_ = (next_ + 1) % kKept;
  if (trace_) std::fprintf(stderr, "%s\n", slot.data());
  return count_;
}

void TEventLog::Note(const std::string& text) {
  std::array<char, kTextSize>& slot = lines_[size_t((next_ + kKept - 1) % kKept)];
  const size_t used = std::strlen(slot.data());
  const std::string added = " / " + text;
  const size_t length = std::min(added.size(), slot.size() - 1 - used);
  std::memcpy(slot.data() + used, added.data(), length);
  slot[used + length] = '\0';
  if (trace_) std::fprintf(stderr, "   %s\n", added.c_str());
}

void TEventLog::ArmWatchdog(unsigned seconds) {
  alarm(seconds);
}

void TEventLog::Write(const char* text) const {
  const ssize_t written = write(STDERR_FILENO, text, std::strlen(text));
  (void)written;
}

void TEventLog::Report(const char* reason) const {
  char number[24];
  Write("\nwavora_soak failed: ");
  Write(reason);
  Write("\nreplay with: wavora_soak --seed ");
  Write(Decimal(seed_, number, sizeof number));
  Write(" --events ");
  Write(Decimal(uint64_t(count_), number, sizeof number));
  Write("\nthe last events:\n");
  for (int i = 0; i < kKept; ++i) {
    const char* line = lines_[size_t((next_ + i) % kKept)].data();
    if (line[0] == '\0') continue;
    Write("  ");
    Write(line);
    Write("\n");
  }
}

}  // namespace wavora::soak
