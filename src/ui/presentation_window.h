#pragma once

#include <QWidget>
#include <functional>

class QScreen;

namespace wavora {

class TFastDIB;
class TTankBox;

// What the presentation's keys do: the commands of the window that opens it, so that a key does
// exactly what the matching button there does.
struct TPresentationCommands {
  std::function<void()> pause;
  std::function<void()> clear;
  std::function<void()> fastForward;
  std::function<void()> drips;
  std::function<void()> nextSlide;
  std::function<void()> previousSlide;
};

// The running tank alone on a full screen, for a classroom projector: the tank image enlarged with its
// proportions kept, and the lesson driven from the keyboard (Space pause, Delete clear, F fast
// forward, D drips, Page Down and Page Up the next and previous slide). Esc or F11 closes it and
// hands the keyboard back to the window below. The simulation keeps its grid; only the picture grows.
class TPresentationWindow : public QWidget {
  Q_OBJECT

 public:
  // image: the tank image the opening window draws every frame; it outlives this window.
  TPresentationWindow(const TFastDIB& image, TPresentationCommands commands, QWidget* parent);

  // Covers the screen and takes the keyboard. The screen's geometry is set first, so that the window
  // covers it also where no window manager carries out the full-screen state.
  void ShowOn(const QScreen& screen);

  // The picture; it reports the pointer in tank image coordinates, as the main window's display does.
  TTankBox& Box() const { return *box_; }

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // The command a key runs; null for Esc and F11, which close the window, and for keys left alone.
  const std::function<void()>* CommandOf(int key) const;
  static bool IsCloseKey(int key) { return key == Qt::Key_Escape || key == Qt::Key_F11; }

  TPresentationCommands commands_;
  TTankBox* box_ = nullptr;
};

}  // namespace wavora
