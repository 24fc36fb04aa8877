#include "ui/dib_image.h"

#include <QPainter>

namespace wavora {

void PaintDib(QPainter& painter, const QRect& target, const TFastDIB& image) {
  if (image.IsEmpty() || target.isEmpty()) return;
  painter.save();
  // Buffer row 0 is the bottom row: flip about the target's bottom edge.
  painter.translate(target.left(), target.top() + target.height());
  painter.scale(double(target.width()) / image.Width(), -double(target.height()) / image.Height());
  painter.drawImage(QPoint(0, 0), WrapDib(image));
  painter.restore();
}

QImage DibToImage(const TFastDIB& image) {
  if (image.IsEmpty()) return {};
  return WrapDib(image).mirrored(false, true);
}

}  // namespace wavora
