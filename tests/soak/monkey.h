#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <random>
#include <string>

class QAbstractButton;
class QMenu;
class QWidget;

namespace wavora {
class TMainForm;
}

namespace wavora::soak {

class TEventLog;

// Drives the real main window with random gestures a user could make: each step picks one of the
// widgets that are visible and enabled at that moment and presses, drags, scrolls or types on it,
// then runs a frame. Dialogs that a gesture opens are answered from the same random sequence; files
// are saved to and opened from a scratch folder.
class TMonkey : public QObject {
  Q_OBJECT

 public:
  TMonkey(TMainForm& window, uint64_t seed, const QString& scratchFolder, TEventLog& log);
  ~TMonkey() override;

  // One event and the frame after it.
  void Step();

 public slots:
  // Stands in for the browser, so that help can be asked for without leaving the test.
  void OpenUrl(const QUrl& url);

 private:
  int Below(int n) { return n > 0 ? int(random_() % uint64_t(n)) : 0; }
  bool Chance(int percent) { return Below(100) < percent; }
  QPoint PointIn(const QWidget& widget);

  void Begin(const QString& text);
  void ChooseFromMenu(QMenu& menu);
  void TankGesture();
  void ClickButton();
  void DragSlider();
  void UseList();
  void TypeKeys();
  void EditText();
  void ClickAnywhere();
  void Drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  // Answers the modal dialog a gesture opened, or closes a popup while a gesture is under way.
  void AnswerDialogs();
  QString FileChoice(bool saving);

  TMainForm& window_;
  std::mt19937_64 random_;
  QString scratch_;
  TEventLog& log_;
  QTimer answerTimer_;
  QPointer<QWidget> answered_;  // the dialog answered last
  int ticksSinceAnswer_ = 0;
};

}  // namespace wavora::soak
