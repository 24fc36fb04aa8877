#pragma once

#include <QImage>
#include <QRect>

#include "image/fast_dib.h"

class QPainter;

namespace wavora {

// The image's buffer seen as a QImage without copying. Rows are stored bottom-up, so the QImage shows
// the picture upside down: paint it with PaintDib, or take an upright copy with DibToImage.
inline QImage WrapDib(const TFastDIB& image) {
  return QImage(image.Bits(), image.Width(), image.Height(), image.BytesPerRow(), QImage::Format_BGR888);
}

// Paints the image the right way up, scaled into target.
void PaintDib(QPainter& painter, const QRect& target, const TFastDIB& image);

// The largest rectangle of the image's proportions that fits in area, centred in it; empty for an
// empty image.
QRect FittedRect(const QRect& area, const TFastDIB& image);

// Paints the image the right way up in FittedRect(area, image) and the rest of area black. The
// painter's SmoothPixmapTransform hint chooses between interpolated and whole-pixel scaling.
void PaintFitted(QPainter& painter, const QRect& area, const TFastDIB& image);

// An upright copy of the image.
QImage DibToImage(const TFastDIB& image);

}  // namespace wavora
