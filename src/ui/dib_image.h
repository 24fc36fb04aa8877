#pragma once

#include <QImage>
#include <QRect>

#include "image/fast_dib.h"

class QPainter;

namespace wavora {

// The image's buffer seen as a QImage without copying: valid while the image keeps its size. The
// buffer is laid out as Qt's 32-bit RGB format, so painting it needs no conversion.
inline QImage WrapDib(const TFastDIB& image) {
  return QImage(image.Bits(), image.Width(), image.Height(), image.BytesPerRow(), QImage::Format_RGB32);
}

// Paints the image scaled into target.
void PaintDib(QPainter& painter, const QRect& target, const TFastDIB& image);

// The largest rectangle of the image's proportions that fits in area, centred in it; empty for an
// empty image.
QRect FittedRect(const QRect& area, const TFastDIB& image);

// Paints the image in FittedRect(area, image) and the rest of area black. The painter's
// SmoothPixmapTransform hint chooses between interpolated and whole-pixel scaling.
void PaintFitted(QPainter& painter, const QRect& area, const TFastDIB& image);

// A copy of the image that owns its pixels.
QImage DibToImage(const TFastDIB& image);

}  // namespace wavora
