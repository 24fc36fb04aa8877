#include "ui/presentation_window.h"

#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "sim/resource_strings.h"
#include "ui/tank_box.h"
#include "widgets/qt_text.h"

namespace wavora {

TPresentationWindow::TPresentationWindow(const TFastDIB& image, TPresentationCommands commands,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), commands_(std::move(commands)) {
  setObjectName(QStringLiteral("PresentationWindow"));
  setWindowTitle(QtText(rs::Presentation));
  setFocusPolicy(Qt::StrongFocus);
  box_ = new TTankBox(image, this);
  box_->setObjectName(QStringLiteral("PresentationBox"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(box_);
}

void TPresentationWindow::ShowOn(const QScreen& screen) {
  setGeometry(screen.geometry());
  showFullScreen();
  activateWindow();
}

const std::function<void()>* TPresentationWindow::CommandOf(int key) const {
  switch (key) {
    case Qt::Key_Space:
      return &commands_.pause;
    case Qt::Key_Delete:
      return &commands_.clear;
    case Qt::Key_F:
      return &commands_.fastForward;
    case Qt::Key_D:
      return &commands_.drips;
    case Qt::Key_PageDown:
      return &commands_.nextSlide;
    case Qt::Key_PageUp:
      return &commands_.previousSlide;
    default:
      return nullptr;
  }
}

bool TPresentationWindow::event(QEvent* event) {
  // These keys belong to the presentation, not to the shortcuts of the window below (whose F11 opens
  // the presentation).
  if (event->type() == QEvent::ShortcutOverride) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (IsCloseKey(key) || CommandOf(key)) {
      event->accept();
      return true;
    }
  }
  return QWidget::event(event);
}

void TPresentationWindow::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const std::function<void()>* command = CommandOf(key);
  if (IsCloseKey(key)) {
    close();
  } else if (!command) {
    QWidget::keyPressEvent(event);
  } else if (!event->isAutoRepeat() && *command) {
    // A held key acts once: a held Space must not flicker between frozen and running.
    (*command)();
  }
}

void TPresentationWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (QWidget* below = parentWidget()) below->activateWindow();
}

}  // namespace wavora
