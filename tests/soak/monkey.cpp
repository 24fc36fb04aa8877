#include "monkey.h"

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
#include <QTest>
#include <QWheelEvent>
#include <fstream>
#include <vector>

#include "../widgets/mouse.h"
#include "event_log.h"
#include "sim/base_control.h"
#include "sim/ri_map.h"
#include "sim/water.h"
#include "ui/main_window.h"
#include "widgets/scroller_list.h"

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

TMonkey::TMonkey(TMainForm& window, uint64_t seed, const QString& scratchFolder, TEventLog& log)
    : window_(window), random_(seed), scratch_(scratchFolder), log_(log) {
  for (const auto& [name, text] :
       {std::pair{"cut-off.wvr", kCutOffSlideshow}, {"extreme.wvr", kExtremeSlideshow}})
    std::ofstream(QDir(scratch_).filePath(QLatin1String(name)).toStdString(), std::ios::binary) << text;
  for (const char* scheme : {"file", "http", "https"})
    QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "OpenUrl");
  answerTimer_.setInterval(kAnswerMs);
  connect(&answerTimer_, &QTimer::timeout, this, &TMonkey::AnswerDialogs);
  answerTimer_.start();
}

TMonkey::~TMonkey() {
  for (const char* scheme : {"file", "http", "https"})
    QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TMonkey::OpenUrl(const QUrl& url) {
  log_.Note("browser asked for " + url.toString().toStdString());
}

void TMonkey::Step() {
  TEventLog::ArmWatchdog(kEventSeconds);
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
    const int pick = Below(100);
    if (pick < 30) {
      TankGesture();
    } else if (pick < 55) {
      ClickButton();
    } else if (pick < 63) {
      DragSlider();
    } else if (pick < 75) {
      UseList();
    } else if (pick < 85) {
      TypeKeys();
    } else if (pick < 90) {
      EditText();
    } else {
      ClickAnywhere();
    }
  }
  window_.RunFrame();
  QCoreApplication::processEvents();
}

QPoint TMonkey::PointIn(const QWidget& widget) {
  return {Below(widget.width()), Below(widget.height())};
}

void TMonkey::Begin(const QString& text) {
  log_.Begin(text.toStdString());
}

void TMonkey::ChooseFromMenu(QMenu& menu) {
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
    QAction* entry = entries[size_t(Below(int(entries.size())))];
    Begin(Describe(&menu) + QStringLiteral(": \"") + entry->text() + QLatin1Char('"'));
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entry).center());
  }
}

void TMonkey::TankGesture() {
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

void TMonkey::ClickButton() {
  const std::vector<QAbstractButton*> buttons = Reachable<QAbstractButton>(window_);
  if (buttons.empty()) return ClickAnywhere();
  QAbstractButton* button = buttons[size_t(Below(int(buttons.size())))];
  Begin(QStringLiteral("button ") + Describe(button));
  QTest::mouseClick(button, Qt::LeftButton);
}

void TMonkey::DragSlider() {
  const std::vector<QAbstractSlider*> sliders = Reachable<QAbstractSlider>(window_);
  if (sliders.empty()) return ClickAnywhere();
  QAbstractSlider* slider = sliders[size_t(Below(int(sliders.size())))];
  const QPoint from = PointIn(*slider);
  const QPoint to = PointIn(*slider);
  Begin(QStringLiteral("slider ") + Describe(slider) + QStringLiteral(" drag ") + Text(from) +
        QStringLiteral(" to ") + Text(to));
  Drag(*slider, from, to, Qt::LeftButton, Qt::NoModifier);
}

void TMonkey::UseList() {
  const std::vector<TScrollerList*> lists = Reachable<TScrollerList>(window_);
  if (lists.empty()) return ClickAnywhere();
  TScrollerList* list = lists[size_t(Below(int(lists.size())))];
  const QPoint at = PointIn(*list);
  const int pick = Below(100);
  if (pick < 50) {
    Begin(QStringLiteral("list ") + Describe(list) + QStringLiteral(" click ") + Text(at));
    QTest::mouseClick(list, Qt::LeftButton, {}, at);
  } else if (pick < 75) {
    const QPoint to = PointIn(*list);
    Begin(QStringLiteral("list ") + Describe(list) + QStringLiteral(" drag ") + Text(at) +
          QStringLiteral(" to ") + Text(to));
    Drag(*list, at, to, Qt::LeftButton, Qt::NoModifier);
  } else if (pick < 90) {
    Begin(QStringLiteral("list ") + Describe(list) + QStringLiteral(" context menu ") + Text(at));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->mapToGlobal(at));
    QApplication::sendEvent(list, &event);
  } else {
    const int notches = Below(7) - 3;
    Begin(QStringLiteral("list ") + Describe(list) + QStringLiteral(" wheel %1").arg(notches));
    QWheelEvent event(QPointF(at), QPointF(list->mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &event);
  }
}

void TMonkey::TypeKeys() {
  struct TKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  static const TKey keys[] = {
      {Qt::Key_C, Qt::ControlModifier},
      {Qt::Key_X, Qt::ControlModifier},
      {Qt::Key_V, Qt::ControlModifier},
      {Qt::Key_S, Qt::ControlModifier},
      {Qt::Key_Left, {}},
      {Qt::Key_Right, {}},
      {Qt::Key_Up, {}},
      {Qt::Key_Down, {}},
      {Qt::Key_PageUp, {}},
      {Qt::Key_PageDown, {}},
      {Qt::Key_Home, {}},
      {Qt::Key_End, {}},
      {Qt::Key_Delete, {}},
      {Qt::Key_Backspace, {}},
      {Qt::Key_Return, {}},
      {Qt::Key_Escape, {}},
      {Qt::Key_Tab, {}},
      {Qt::Key_Space, {}},
      {Qt::Key_A, {}},
      {Qt::Key_7, {}},
  };
  const TKey& key = keys[Below(int(std::size(keys)))];
  QWidget* focused = QApplication::focusWidget();
  QWidget* target = focused && focused->window() == &window_ ? focused : &window_;
  Begin(QStringLiteral("key ") + QKeySequence(key.key | key.modifiers).toString() + QStringLiteral(" to ") +
        Describe(target));
  QTest::keyClick(target, key.key, key.modifiers);
}

void TMonkey::EditText() {
  std::vector<QWidget*> edits;
  for (QLineEdit* edit : Reachable<QLineEdit>(window_))
    edits.push_back(edit);
  for (QPlainTextEdit* edit : Reachable<QPlainTextEdit>(window_))
    edits.push_back(edit);
  if (edits.empty()) return TypeKeys();
  QWidget* edit = edits[size_t(Below(int(edits.size())))];
  const QPoint at = PointIn(*edit);
  if (Chance(10)) {
    // Far more than the edits keep, with the characters a file must escape.
    QString text;
    for (int i = 0; i < kLongPasteLength; ++i)
      text += QLatin1Char("<>&\"'x\n\t"[Below(8)]);
    Begin(QStringLiteral("paste %1 characters into ").arg(text.size()) + Describe(edit) +
          QStringLiteral(" at ") + Text(at));
    QGuiApplication::clipboard()->setText(text);
    QTest::mouseClick(edit, Qt::LeftButton, {}, at);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    return;
  }
  static const QString alphabet = QStringLiteral("abc XYZ 019 <>&\"' \u00e9\u00df\u2713\u6c34");
  QString text;
  for (int length = Below(20); length > 0; --length)
    text += alphabet[Below(int(alphabet.size()))];
  Begin(QStringLiteral("type \"") + text + QStringLiteral("\" into ") + Describe(edit) +
        QStringLiteral(" at ") + Text(at));
  QTest::mouseClick(edit, Qt::LeftButton, {}, at);
  for (const QChar c : text) {
    // Keys beyond ASCII have no key code of their own; they arrive as the text they type.
    if (c.unicode() < 128)
      QTest::keyClick(edit, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void TMonkey::ClickAnywhere() {
  const std::vector<QWidget*> widgets = Reachable<QWidget>(window_);
  QWidget* widget = widgets.empty() ? &window_ : widgets[size_t(Below(int(widgets.size())))];
  const QPoint at = PointIn(*widget);
  const Qt::MouseButton button = Chance(80) ? Qt::LeftButton : Qt::RightButton;
  Begin(QStringLiteral("%1 click on ").arg(button == Qt::LeftButton ? "left" : "right") + Describe(widget) +
        QStringLiteral(" at ") + Text(at));
  QTest::mouseClick(widget, button, {}, at);
}

void TMonkey::Drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button,
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

void TMonkey::AnswerDialogs() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  if (modal == answered_ && ++ticksSinceAnswer_ < kReanswerTicks) return;
  answered_ = modal;
  ticksSinceAnswer_ = 0;
  // Answers go through the event loop: accepting may open a box of its own (overwrite? not found?),
  // which this timer answers in turn while the first answer waits.
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

QString TMonkey::FileChoice(bool saving) {
  QStringList names;
  if (saving) {
    names = {QStringLiteral("lesson.wvr"),  QStringLiteral("lesson"),
             QStringLiteral("second.wvr"),  QStringLiteral("picture.jpg"),
             QStringLiteral("picture.bmp"), QStringLiteral("no-folder/lesson.wvr")};
  } else {
    names = QDir(scratch_).entryList(QDir::Files, QDir::Name);
    names << QStringLiteral("missing.wvr");
  }
  return QDir(scratch_).filePath(names[Below(int(names.size()))]);
}

}  // namespace wavora::soak
