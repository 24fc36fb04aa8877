#include "ui/tank_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/dib_image.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

// The ring round the picked handle lies just outside the handle's disc (radius 4 cells).
constexpr double kPickedRingRadius = 8.0;
constexpr double kMarkWidth = 2.0;

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

  // Marks drawn twice, dark under bright, so that they show on light and dark water alike.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  const auto mark = [&painter](const auto& draw) {
    painter.setPen(QPen(Qt::black, kMarkWidth + 2));
    draw();
    painter.setPen(QPen(QColor(WidgetColours().focusMark), kMarkWidth));
    draw();
  };
  if (pickedPixel_ && !image_.IsEmpty()) {
    const QRect target = FittedRect(rect(), image_);
    const QPointF centre(target.left() + (pickedPixel_->x() + 0.5) * target.width() / image_.Width(),
                         target.top() + (pickedPixel_->y() + 0.5) * target.height() / image_.Height());
    mark([&] { painter.drawEllipse(centre, kPickedRingRadius, kPickedRingRadius); });
  }
  if (hasFocus()) {
    const QRectF frame = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    mark([&] { painter.drawRect(frame); });
  }
}

void TTankBox::SetPickedPixel(std::optional<QPoint> pixel) {
  if (pixel == pickedPixel_) return;
  pickedPixel_ = pixel;
  update();
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
