// wavora_soak: drives the real main window with seeded random gestures.
//   wavora_soak [--seed N] [--events N]
// A crash, a sanitizer finding or a hang prints the seed and the last events, so the run can be replayed.
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "../widgets/mouse.h"
#include "document/class_registration.h"
#include "sim/base_control.h"
#include "sim/ri_map.h"
#include "sim/water.h"
#include "ui/main_window.h"
#include "widgets/scroller_list.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace wavora::soak {
namespace {

// A gesture that takes longer than this is a hang (opening a large file under the sanitizers takes
// a few seconds).
constexpr unsigned kEventSeconds = 120;
constexpr int kAnswerMs = 20;
// A dialog still open this many answer ticks after it was answered (a refused file name) is answered
// again.
constexpr int kReanswerTicks = 5;
constexpr int kLongPasteLength = 5000;

// Files the open dialog offers beside those the run saved: one cut off in the middle, and one whole
// with values far outside what the controls allow.
constexpr char kCutOffSlideshow[] =
    "<TSlideshow Version=\"0.5\"><TWater Name=\"&lt;x&gt;\"><TLensMapper FPercent=\"-1e38\"";
constexpr char kExtremeSlideshow[] =
    "<TSlideshow Version=\"0.5\">\r\n  <TWater Name=\"&lt;&amp;&quot;\" Exposure=\"1e38\">\r\n"
    "    <TLensMapper FPercent=\"-1e38\" X1Percent=\"150\" Y2Percent=\"-2147483648\"/>\r\n"
    "    <TGeneralExciter Wavelength=\"1e-45\" Phase=\"1e38\" BeamType=\"2147483647\"/>\r\n"
    "  </TWater>\r\n</TSlideshow>\r\n";

// Writes to standard error without allocating, so a signal handler may call it.
void Write(const char* text) {
  const ssize_t written = write(STDERR_FILENO, text, std::strlen(text));
  (void)written;
}

// The last events delivered, kept in fixed buffers so that a crash handler, a sanitizer's death report
// or the hang watchdog can print them without allocating. One log per process.
class TEventLog {
 public:
  static constexpr int kKept = 30;

  explicit TEventLog(uint64_t seed) : seed_(seed) {
    theLog = this;
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGALRM})
      std::signal(signal, OnSignal);
  }
  ~TEventLog() {
    alarm(0);
    theLog = nullptr;
  }

  // Numbers and records the event about to be delivered; the hang watchdog restarts with it.
  void Begin(const std::string& text) {
    alarm(kEventSeconds);
    ++count_;
    std::snprintf(replay_.data(), replay_.size(), "wavora_soak --seed %llu --events %lld",
                  static_cast<unsigned long long>(seed_), static_cast<long long>(count_));
    next_ = (next_ + 1) % kKept;
    lines_[size_t(next_)][0] = '\0';
    Append(std::to_string(count_) + ": " + text);
  }
  // Adds a line to the current event (what a dialog was answered, which message was shown).
  void Note(const std::string& text) { Append(" / " + text); }
  int64_t Count() const { return count_; }

  // Prints why the run failed, the command that replays it and the last events. Safe in a signal
  // handler.
  static void Report(const char* reason) {
    if (!theLog) return;
    for (const char* text : {"\nwavora_soak failed: ", reason, "\nreplay with: ", theLog->replay_.data(),
                             "\nthe last events:\n"})
      Write(text);
    for (int i = 1; i <= kKept; ++i) {
      const char* line = theLog->lines_[size_t((theLog->next_ + i) % kKept)].data();
      if (line[0] == '\0') continue;
      for (const char* text : {"  ", line, "\n"})
        Write(text);
    }
  }

 private:
  static void OnSignal(int signal) {
    Report(signal == SIGALRM ? "hang: an event did not finish in time" : strsignal(signal));
    if (signal == SIGALRM) _exit(124);
    std::signal(signal, SIG_DFL);
    raise(signal);
  }
  // Appends to the current event's line, cut at its buffer's size.
  void Append(const std::string& text) {
    std::array<char, 200>& slot = lines_[size_t(next_)];
    const size_t used = std::strlen(slot.data());
    const size_t length = std::min(text.size(), slot.size() - 1 - used);
    std::memcpy(slot.data() + used, text.data(), length);
    slot[used + length] = '\0';
  }

  static inline const TEventLog* theLog = nullptr;
  uint64_t seed_;
  int64_t count_ = 0;
  int next_ = 0;
  std::array<char, 80> replay_{};
  std::array<std::array<char, 200>, kKept> lines_{};
};

// The object's name, or its class where it has none, and the name of the widget it sits in.
QString Describe(const QObject* object) {
  QString text = object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                                : object->objectName();
  if (const QObject* parent = object->parent(); parent && !parent->objectName().isEmpty())
    text += QStringLiteral(" in ") + parent->objectName();
  return text;
}

QString Text(QPoint p) {
  return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y());
}

// The widgets of type T inside the window that a user could reach now.
template <class T>
std::vector<T*> Reachable(QWidget& window) {
  std::vector<T*> found;
  for (T* widget : window.findChildren<T*>()) {
    if (widget->isVisible() && widget->isEnabled() && widget->window() == &window) found.push_back(widget);
  }
  return found;
}

// The handles of the current tank's objects, in box coordinates.
std::vector<QPoint> HandlePoints(const TMainForm& window) {
  std::vector<QPoint> points;
  const TRef<TWater> tank = window.GetCurrentWater();
  if (!tank) return points;
  std::vector<iXMLNode> objects = ChildList(*tank);
  if (const TRef<TBaseRIMap> medium = tank->GetRIMap()) objects.push_back(RefCast<TBasicXMLNode>(medium));
  for (const iXMLNode& node : objects) {
    const auto* object = dynamic_cast<const TBaseControl*>(node.Get());
    if (!object || !object->HasHandles()) continue;
    for (const TPoint p : {object->Point1(), object->Point2(), object->Point3()})
      points.emplace_back(p.x, tank->H() - 1 - p.y);
  }
  return points;
}

}  // namespace

// Drives the real main window with random gestures a user could make: each step picks one of the
// widgets that are visible and enabled at that moment and presses, drags, scrolls or types on it,
// then runs a frame. Dialogs that a gesture opens are answered from the same random sequence; files
// are saved to and opened from a scratch folder.
class TMonkey : public QObject {
  Q_OBJECT

 public:
  TMonkey(TMainForm& window, uint64_t seed, const QString& scratchFolder, TEventLog& log)
      : window_(window), random_(seed), scratch_(scratchFolder), log_(log) {
    for (const auto& [name, text] :
         {std::pair{"cut-off.wvr", kCutOffSlideshow}, {"extreme.wvr", kExtremeSlideshow}})
      std::ofstream(QDir(scratch_).filePath(QLatin1String(name)).toStdString(), std::ios::binary) << text;
    for (const char* scheme : kSchemes)
      QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "OpenUrl");
    answerTimer_.setInterval(kAnswerMs);
    connect(&answerTimer_, &QTimer::timeout, this, &TMonkey::AnswerDialogs);
    answerTimer_.start();
  }
  ~TMonkey() override {
    for (const char* scheme : kSchemes)
      QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
  }

  // One event and the frame after it.
  void Step() {
    if (!window_.isVisible()) {
      Begin(QStringLiteral("the window was closed: show it again"));
      window_.show();
      window_.activateWindow();
    } else if (QWidget* popup = QApplication::activePopupWidget()) {
      if (auto* menu = qobject_cast<QMenu*>(popup)) {
        ChooseFromMenu(*menu);
      } else {
        Begin(Describe(popup) + QStringLiteral(": Escape"));
        QTest::keyClick(popup, Qt::Key_Escape);
      }
    } else {
      // A pick of 0..99 below a bound, and not below the bound before it, chooses that gesture.
      static constexpr std::pair<int, void (TMonkey::*)()> kGestures[] = {
          {30, &TMonkey::TankGesture},   {55, &TMonkey::ClickButton}, {63, &TMonkey::DragSlider},
          {75, &TMonkey::UseList},       {85, &TMonkey::TypeKeys},    {90, &TMonkey::EditText},
          {100, &TMonkey::ClickAnywhere}};
      const int pick = Below(100);
      size_t gesture = 0;
      while (pick >= kGestures[gesture].first)
        ++gesture;
      (this->*kGestures[gesture].second)();
    }
    window_.RunFrame();
    QCoreApplication::processEvents();
  }

 public slots:
  // Stands in for the browser, so that help can be asked for without leaving the test.
  void OpenUrl(const QUrl& url) { log_.Note("browser asked for " + url.toString().toStdString()); }

 private:
  static constexpr const char* kSchemes[] = {"file", "http", "https"};

  int Below(int n) { return n > 0 ? int(random_() % uint64_t(n)) : 0; }
  bool Chance(int percent) { return Below(100) < percent; }
  template <class T>
  T* AnyOf(const std::vector<T*>& widgets) {
    return widgets[size_t(Below(int(widgets.size())))];
  }
  QPoint PointIn(const QWidget& widget) { return {Below(widget.width()), Below(widget.height())}; }
  void Begin(const QString& text) { log_.Begin(text.toStdString()); }

  void ChooseFromMenu(QMenu& menu) {
    std::vector<QAction*> entries;
    for (QAction* action : menu.actions()) {
      if (action->isVisible() && action->isEnabled() && !action->isSeparator()) entries.push_back(action);
    }
    const int pick = Below(100);
    if (entries.empty() || pick < 8) {
      Begin(Describe(&menu) + QStringLiteral(": Escape"));
      QTest::keyClick(&menu, Qt::Key_Escape);
    } else if (pick < 14) {
      const QPoint beside = PointIn(window_);
      Begin(Describe(&menu) + QStringLiteral(": click beside it at ") + Text(beside));
      QTest::mouseClick(&window_, Qt::LeftButton, {}, beside);
    } else {
      QAction* entry = AnyOf(entries);
      Begin(Describe(&menu) + QStringLiteral(": \"%1\"").arg(entry->text()));
      QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entry).center());
    }
  }

  void TankGesture() {
    auto* box = window_.findChild<QWidget*>(QStringLiteral("Box"));
    if (!box || !box->isVisible()) return ClickAnywhere();
    const std::vector<QPoint> handles = HandlePoints(window_);
    QPoint from = PointIn(*box);
    if (!handles.empty() && Chance(60))
      from = handles[size_t(Below(int(handles.size())))] + QPoint(Below(5) - 2, Below(5) - 2);
    // Drags may leave the box, as the pointer can while it is held.
    const QPoint to = Chance(20) ? from : from + QPoint(Below(241) - 120, Below(241) - 120);
    const Qt::MouseButton button = Chance(85) ? Qt::LeftButton : Qt::RightButton;
    const Qt::KeyboardModifiers modifiers = Chance(10) ? Qt::ShiftModifier : Qt::NoModifier;
    Begin(QStringLiteral("tank %1 drag %2 to %3%4")
              .arg(button == Qt::LeftButton ? QStringLiteral("left") : QStringLiteral("right"), Text(from),
                   Text(to), modifiers ? QStringLiteral(" with Shift") : QString()));
    Drag(*box, from, to, button, modifiers);
  }

  void ClickButton() {
    const std::vector<QAbstractButton*> buttons = Reachable<QAbstractButton>(window_);
    if (buttons.empty()) return ClickAnywhere();
    QAbstractButton* button = AnyOf(buttons);
    Begin(QStringLiteral("button ") + Describe(button));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  void DragSlider() {
    const std::vector<QAbstractSlider*> sliders = Reachable<QAbstractSlider>(window_);
    if (sliders.empty()) return ClickAnywhere();
    QAbstractSlider* slider = AnyOf(sliders);
    const QPoint from = PointIn(*slider);
    const QPoint to = PointIn(*slider);
    Begin(QStringLiteral("slider %1 drag %2 to %3").arg(Describe(slider), Text(from), Text(to)));
    Drag(*slider, from, to, Qt::LeftButton, Qt::NoModifier);
  }

  void UseList() {
    const std::vector<TScrollerList*> lists = Reachable<TScrollerList>(window_);
    if (lists.empty()) return ClickAnywhere();
    TScrollerList* list = AnyOf(lists);
    const QPoint at = PointIn(*list);
    const QString name = QStringLiteral("list ") + Describe(list);
    const int pick = Below(100);
    if (pick < 50) {
      Begin(name + QStringLiteral(" click ") + Text(at));
      QTest::mouseClick(list, Qt::LeftButton, {}, at);
    } else if (pick < 75) {
      const QPoint to = PointIn(*list);
      Begin(name + QStringLiteral(" drag %1 to %2").arg(Text(at), Text(to)));
      Drag(*list, at, to, Qt::LeftButton, Qt::NoModifier);
    } else if (pick < 90) {
      Begin(name + QStringLiteral(" context menu ") + Text(at));
      QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->mapToGlobal(at));
      QApplication::sendEvent(list, &event);
    } else {
      const int notches = Below(7) - 3;
      Begin(name + QStringLiteral(" wheel %1").arg(notches));
      QWheelEvent event(QPointF(at), QPointF(list->mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(list, &event);
    }
  }

  void TypeKeys() {
    static const char* const keys[] = {"Ctrl+C", "Ctrl+X", "Ctrl+V", "Ctrl+S", "Left", "Right", "Up",
                                       "Down",   "PgUp",   "PgDown", "Home",   "End",  "Del",   "Backspace",
                                       "Return", "Esc",    "Tab",    "Space",  "A",    "7"};
    const QKeyCombination key = QKeySequence(QLatin1String(keys[Below(int(std::size(keys)))]))[0];
    QWidget* focused = QApplication::focusWidget();
    QWidget* target = focused && focused->window() == &window_ ? focused : &window_;
    Begin(QStringLiteral("key %1 to %2").arg(QKeySequence(key).toString(), Describe(target)));
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
  }

  void EditText() {
    std::vector<QWidget*> edits;
    for (QLineEdit* edit : Reachable<QLineEdit>(window_))
      edits.push_back(edit);
    for (QPlainTextEdit* edit : Reachable<QPlainTextEdit>(window_))
      edits.push_back(edit);
    if (edits.empty()) return TypeKeys();
    QWidget* edit = AnyOf(edits);
    const QPoint at = PointIn(*edit);
    if (Chance(10)) {
      // Far more than the edits keep, with the characters a file must escape.
      QString text;
      for (int i = 0; i < kLongPasteLength; ++i)
        text += QLatin1Char("<>&\"'x\n\t"[Below(8)]);
      Begin(
          QStringLiteral("paste %1 characters into %2 at %3").arg(text.size()).arg(Describe(edit), Text(at)));
      QGuiApplication::clipboard()->setText(text);
      QTest::mouseClick(edit, Qt::LeftButton, {}, at);
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      return;
    }
    static const QString alphabet = QStringLiteral("abc XYZ 019 <>&\"' \u00e9\u00df\u2713\u6c34");
    QString text;
    for (int length = Below(20); length > 0; --length)
      text += alphabet[Below(int(alphabet.size()))];
    Begin(QStringLiteral("type \"%1\" into %2 at %3").arg(text, Describe(edit), Text(at)));
    QTest::mouseClick(edit, Qt::LeftButton, {}, at);
    for (const QChar c : text) {
      // Keys beyond ASCII have no key code of their own; they arrive as the text they type.
      if (c.unicode() < 128)
        QTest::keyClick(edit, c.toLatin1());
      else
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }

  void ClickAnywhere() {
    const std::vector<QWidget*> widgets = Reachable<QWidget>(window_);
    QWidget* widget = widgets.empty() ? &window_ : AnyOf(widgets);
    const QPoint at = PointIn(*widget);
    const Qt::MouseButton button = Chance(80) ? Qt::LeftButton : Qt::RightButton;
    Begin(QStringLiteral("%1 click on %2 at %3")
              .arg(button == Qt::LeftButton ? "left" : "right", Describe(widget), Text(at)));
    QTest::mouseClick(widget, button, {}, at);
  }

  void Drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button,
            Qt::KeyboardModifiers modifiers) {
    SendMouse(&widget, QEvent::MouseButtonPress, from, button, button, modifiers);
    // A hand takes several frames over a drag; the frames between its moves see it held.
    const int moves = Below(6);
    for (int i = 1; i <= moves; ++i) {
      SendMouse(&widget, QEvent::MouseMove, from + (to - from) * i / moves, Qt::NoButton, button, modifiers);
      window_.RunFrame();
    }
    SendMouse(&widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
  }

  // Answers the modal dialog a gesture opened. Answers go through the event loop: accepting may open
  // a box of its own (overwrite? not found?), which this timer answers in turn while the first waits.
  void AnswerDialogs() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (modal == answered_ && ++ticksSinceAnswer_ < kReanswerTicks) return;
    answered_ = modal;
    ticksSinceAnswer_ = 0;
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      if (Chance(15)) {
        log_.Note("file dialog cancelled");
        QTimer::singleShot(0, files, &QDialog::reject);
        return;
      }
      const QString name = FileChoice(files->acceptMode() == QFileDialog::AcceptSave);
      log_.Note("file dialog: " + QDir(scratch_).relativeFilePath(name).toStdString());
      files->selectFile(name);
      // As the dialog's own button does: through the file dialog's checks of the name.
      QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && !box->buttons().isEmpty()) {
      QAbstractButton* button = box->buttons()[Below(int(box->buttons().size()))];
      log_.Note("message box answered " + button->text().toStdString());
      QTimer::singleShot(0, button, &QAbstractButton::click);
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      log_.Note("closed " + Describe(dialog).toStdString());
      QTimer::singleShot(0, dialog, &QDialog::reject);
    }
  }

  QString FileChoice(bool saving) {
    QStringList names = QDir(scratch_).entryList(QDir::Files, QDir::Name) << QStringLiteral("missing.wvr");
    if (saving)
      names = {"lesson.wvr", "lesson", "second.wvr", "picture.jpg", "picture.bmp", "no-folder/lesson.wvr"};
    return QDir(scratch_).filePath(names[Below(int(names.size()))]);
  }

  TMainForm& window_;
  std::mt19937_64 random_;
  QString scratch_;
  TEventLog& log_;
  QTimer answerTimer_;
  QPointer<QWidget> answered_;  // the dialog answered last
  int ticksSinceAnswer_ = 0;
};

namespace {

struct TOptions {
  uint64_t seed = uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
  int64_t events = 2000;
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
  if (arguments.size() % 2 == 0) return std::nullopt;
  for (qsizetype i = 1; i < arguments.size(); i += 2) {
    bool ok = false;
    if (arguments[i] == QLatin1String("--seed")) options.seed = arguments[i + 1].toULongLong(&ok);
    if (arguments[i] == QLatin1String("--events")) options.events = arguments[i + 1].toLongLong(&ok);
    if (!ok || options.events < 0) return std::nullopt;
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

int Run(const TOptions& options) {
  RegisterClasses();
  const QTemporaryDir scratch;
  std::printf("seed %llu\n", static_cast<unsigned long long>(options.seed));
  std::fflush(stdout);
  TEventLog log(options.seed);
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_set_death_callback([] { TEventLog::Report("sanitizer finding (report above)"); });
#endif
  // The debug switch shows the debug panel's button, so the monkey reaches it too.
  TMainForm window({QStringLiteral("-debug")}, std::make_unique<TLoggedMessages>(log));
  window.show();
  window.activateWindow();
  if (!QTest::qWaitForWindowActive(&window)) std::fprintf(stderr, "wavora_soak: the window is not active\n");
  TMonkey monkey(window, options.seed, scratch.path(), log);

  while (log.Count() < options.events)
    monkey.Step();
  std::printf("events %lld, %d slides\n", static_cast<long long>(log.Count()),
              window.Document().SlideCount());
  return 0;
}

}  // namespace
}  // namespace wavora::soak

int main(int argc, char** argv) {
  qInstallMessageHandler(wavora::soak::PrintEachMessageOnce);
  // Random menu choices switch settings the window keeps between runs: they go to a folder of this
  // run's own, neither the user's nor the one the window tests share.
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  QApplication app(argc, argv);
  const std::optional<wavora::soak::TOptions> options = wavora::soak::ParseOptions(app.arguments());
  if (!options) {
    std::fprintf(stderr, "usage: wavora_soak [--seed N] [--events N]\n");
    return 2;
  }
  return wavora::soak::Run(*options);
}

#include "soak.moc"
