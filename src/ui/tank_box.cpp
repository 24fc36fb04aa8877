#include "ui/tank_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

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
  // Interpolate only when scaling: at one pixel per pixel the picture is copied as it stands.
  const bool scaled = FittedRect(rect(), image_).size() != QSize(image_.Width(), image_.Height());
  painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled);
  PaintFitted(painter, rect(), image_);
}

QPoint TTankBox::ImagePoint(const QPointF& position) const {
  const QRect target = FittedRect(rect(), image_);
  if (target.isEmpty()) return position.toPoint();
  return QPoint(int(std::floor((position.x() - target.left()) * image_.Width() / target.width())),
                int(std::floor((position.y() - target.top()) * image_.Height() / target.height())));
}

void TTankBox::mousePressEvent(QMouseEvent* event) {
  if (!FittedRect(rect(), image_).contains(event->position().toPoint())) return;
  const QPoint p = ImagePoint(event->position());
  emit BoxMouseDown(ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}

void TTankBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ImagePoint(event->position());
  emit BoxMouseMove(ShiftOf(*event), p.x(), p.y());
}

void TTankBox::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = ImagePoint(event->position());
  emit BoxMouseUp(ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}

}  // namespace wavora
