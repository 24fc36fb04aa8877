#pragma once

#include <QWidget>

#include "sim/pointer.h"

namespace wavora {

class TFastDIB;

// The tank display: paints the tank image as it stands in the core's buffer and reports the pointer
// in image coordinates.
class TTankBox : public QWidget {
  Q_OBJECT

 public:
  TTankBox(const TFastDIB& image, QWidget* parent);

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
  const TFastDIB& image_;  // the window's tank image
};

}  // namespace wavora
