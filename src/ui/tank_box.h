#pragma once

#include <QWidget>
#include <optional>

#include "sim/pointer.h"

namespace wavora {

class TFastDIB;

// The tank display: paints the tank image as large as the box allows with its proportions kept (on
// black where the shapes differ) and reports the pointer in image coordinates. Presses beside the
// picture are not reported. Over the picture it rings the handle the keyboard picked and, while it has
// the keyboard focus, frames itself.
class TTankBox : public QWidget {
  Q_OBJECT

 public:
  TTankBox(const TFastDIB& image, QWidget* parent);

  // The picked handle's pixel of the image, or none.
  void SetPickedPixel(std::optional<QPoint> pixel);

 signals:
  void BoxMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void BoxMouseMove(TShiftState shift, int x, int y);
  void BoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The image pixel under a position in the box, whether it lies inside the picture or not.
  QPoint ImagePoint(const QPointF& position) const;

  const TFastDIB& image_;  // the window's tank image
  std::optional<QPoint> pickedPixel_;
};

}  // namespace wavora
