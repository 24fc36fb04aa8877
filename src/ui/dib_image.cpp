#include "ui/dib_image.h"

#include <QPainter>

namespace wavora {

void PaintDib(QPainter& painter, const QRect& target, const TFastDIB& image) {
  if (image.IsEmpty() || target.isEmpty()) return;
  painter.drawImage(target, WrapDib(image));
}

QRect FittedRect(const QRect& area, const TFastDIB& image) {
  if (image.IsEmpty() || area.isEmpty()) return {};
  const QSize size = QSize(image.Width(), image.Height()).scaled(area.size(), Qt::KeepAspectRatio);
  return QRect(
      area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

void PaintFitted(QPainter& painter, const QRect& area, const TFastDIB& image) {
  const QRect target = FittedRect(area, image);
  if (target != area) {
    QRegion bars(area);
    bars -= target;
    for (const QRect& bar : bars)
      painter.fillRect(bar, Qt::black);
  }
  PaintDib(painter, target, image);
}

QImage DibToImage(const TFastDIB& image) {
  if (image.IsEmpty()) return {};
  return WrapDib(image).copy();
}

}  // namespace wavora
