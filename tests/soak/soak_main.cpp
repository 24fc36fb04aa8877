// wavora_soak: drives the real main window with seeded random gestures.
//   wavora_soak [--seed N] [--events N | --minutes M] [--trace]
// Prints the seed and the number of events; the long mode prints the memory in use every minute.
// A crash, a sanitizer finding or a hang prints the seed and the last events, so the run can be replayed;
// --trace prints every event as it is delivered.
#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "event_log.h"
#include "model/file_encoding.h"
#include "model/stream.h"
#include "monkey.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"

namespace wavora::soak {

namespace {

constexpr int64_t kDefaultEvents = 2000;

struct TOptions {
  uint64_t seed = 0;
  int64_t events = kDefaultEvents;
  std::optional<double> minutes;
  bool trace = false;
};

// Messages the window would show in a box go to the event log instead, so nothing waits for a user.
class TLoggedMessages : public IMessageSink {
 public:
  explicit TLoggedMessages(TEventLog& log) : log_(log) {}
  void ShowMessage(TMessageBox::TKind, const QString& text) override {
    log_.Note("message \"" + text.left(80).simplified().toStdString() + '"');
  }

 private:
  TEventLog& log_;
};

std::optional<TOptions> ParseOptions(const QStringList& arguments) {
  TOptions options;
  options.seed = uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& name = arguments[i];
    if (name == QLatin1String("--trace")) {
      options.trace = true;
      continue;
    }
    if (i + 1 >= arguments.size()) return std::nullopt;
    const QString& value = arguments[++i];
    bool ok = false;
    if (name == QLatin1String("--seed")) {
      options.seed = value.toULongLong(&ok);
    } else if (name == QLatin1String("--events")) {
      options.events = value.toLongLong(&ok);
      ok = ok && options.events >= 0;
    } else if (name == QLatin1String("--minutes")) {
      options.minutes = value.toDouble(&ok);
      ok = ok && *options.minutes > 0;
    }
    if (!ok) return std::nullopt;
  }
  return options;
}

// Each distinct warning of Qt once: the offscreen platform repeats the same few on every popup.
void PrintEachMessageOnce(QtMsgType type, const QMessageLogContext&, const QString& text) {
  static QSet<QString> printed;
  if (type != QtFatalMsg && printed.contains(text)) return;
  printed.insert(text);
  std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Resident memory in kB, from the second field of /proc/self/statm (in pages).
long ResidentKilobytes() {
  long size = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// What the program holds on the heap now, in kB. The resident size keeps pages the allocator has not
// given back, so only this tells a leak from the high-water mark of large tanks.
long HeapInUseKilobytes() {
  const struct mallinfo2 heap = mallinfo2();
  return long((heap.uordblks + heap.hblkhd) / 1024);
}

// Replaces the window's document by a new one-slide slideshow opened from a file, as a user would
// open one, and reports the heap: back near its level of the first minute when the run leaked
// nothing, whatever the document had grown to.
void ReportHeapAfterNewDocument(TMainForm& window, const QString& folder) {
  const std::string fileName = (folder + "/empty.wvr").toStdString();
  TStream stream;
  // The window sizes the tank to its display on opening.
  NewSlideshow(401, 401)->SaveToStream(stream, true, 0);
  std::ofstream(fileName, std::ios::binary) << EncodeFileText(stream.Data());
  window.Files().OpenSlideshowFile(QString::fromStdString(fileName));
  QTest::qWait(500);
  std::printf("after a new one-slide slideshow: %ld kB resident, %ld kB heap in use, %d slides\n",
              ResidentKilobytes(), HeapInUseKilobytes(), window.Document().SlideCount());
}

// The objects in the slides' tanks (tools, source, medium, scene objects): with the slide count, what
// the heap should follow.
int SceneObjects(const TSlideshow& document) {
  int count = 0;
  for (int i = 0; i < document.SlideCount(); ++i) {
    if (const TRef<TWater> tank = document.GetWater(i)) count += tank->GetChildCount();
  }
  return count;
}

int Run(const TOptions& options) {
  RegisterClasses();
  const QTemporaryDir scratch;
  if (!scratch.isValid()) {
    std::fprintf(stderr, "wavora_soak: no scratch folder: %s\n", qPrintable(scratch.errorString()));
    return 1;
  }
  std::printf("seed %llu\n", static_cast<unsigned long long>(options.seed));
  std::fflush(stdout);
  TEventLog log(options.seed, options.trace);
  // The debug switch shows the debug panel's button, so the monkey reaches it too.
  TMainForm window({QStringLiteral("-debug")}, std::make_unique<TLoggedMessages>(log));
  window.show();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) std::fprintf(stderr, "wavora_soak: the window is not active\n");
  TMonkey monkey(window, options.seed, scratch.path(), log);

  if (options.minutes) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto end = start + std::chrono::duration<double, std::ratio<60>>(*options.minutes);
    Clock::time_point nextReport = start + std::chrono::minutes(1);
    for (int minute = 1; Clock::now() < end;) {
      monkey.Step();
      if (Clock::now() < nextReport) continue;
      std::printf(
          "minute %d: %ld kB resident, %ld kB heap in use, %d slides, %d objects in them, %lld objects of "
          "the window, %lld top-level widgets, after %lld events\n",
          minute++, ResidentKilobytes(), HeapInUseKilobytes(), window.Document().SlideCount(),
          SceneObjects(window.Document()), static_cast<long long>(window.findChildren<QObject*>().size()),
          static_cast<long long>(QApplication::topLevelWidgets().size()),
          static_cast<long long>(log.Count()));
      std::fflush(stdout);
      nextReport += std::chrono::minutes(1);
    }
    ReportHeapAfterNewDocument(window, scratch.path());
  } else {
    while (log.Count() < options.events)
      monkey.Step();
  }
  std::printf("events %lld\nresident %ld kB, %d slides\n", static_cast<long long>(log.Count()),
              ResidentKilobytes(), window.Document().SlideCount());
  return 0;
}

}  // namespace

}  // namespace wavora::soak

int main(int argc, char** argv) {
  qInstallMessageHandler(wavora::soak::PrintEachMessageOnce);
  QApplication app(argc, argv);
  const std::optional<wavora::soak::TOptions> options = wavora::soak::ParseOptions(app.arguments());
  if (!options) {
    std::fprintf(stderr, "usage: wavora_soak [--seed N] [--events N | --minutes M] [--trace]\n");
    return 2;
  }
  return wavora::soak::Run(*options);
}
