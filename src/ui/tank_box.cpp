#include "ui/tank_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/dib_image.h"

namespace wavora {

namespace {

TMouseButton ButtonOf(const QMouseEvent& event) {
  switch (event.button()) {
    case Qt::RightButton:
      return TMouseButton::Right;
    case Qt::MiddleButton:
      return TMouseButton::Middle;
    default:
      return TMouseButton::Left;
  }
}

TShiftState ShiftOf(const QMouseEvent& event) {
  const Qt::KeyboardModifiers keys = event.modifiers();
  return {keys.testFlag(Qt::ShiftModifier), keys.testFlag(Qt::ControlModifier),
          keys.testFlag(Qt::AltModifier)};
}

}  // namespace

TTankBox::TTankBox(const TFastDIB& image, QWidget* parent) : QWidget(parent), image_(image) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
}

void TTankBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.Width() == width() && image_.Height() == height()) {
    PaintDib(painter, rect(), image_);
  } else {
    painter.fillRect(rect(), Qt::black);
  }
}

void TTankBox::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit BoxMouseDown(ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}

void TTankBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit BoxMouseMove(ShiftOf(*event), p.x(), p.y());
}

void TTankBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit BoxMouseUp(ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}

}  // namespace wavora
