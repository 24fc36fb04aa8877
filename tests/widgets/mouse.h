#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Sends one mouse event with the button state stated outright, so that a move while holding the
// button is seen as such whatever the test framework remembers of earlier presses.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, QPointF(pos), widget->mapToGlobal(QPointF(pos)), button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

inline void Press(QWidget* widget, QPoint pos) {
  SendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}
inline void MoveHeld(QWidget* widget, QPoint pos) {
  SendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}
inline void Release(QWidget* widget, QPoint pos) {
  SendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}
