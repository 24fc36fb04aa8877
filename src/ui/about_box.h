#pragma once

#include <QDialog>

namespace wavora {

// The about window: a borderless picture of waves with the program's name and version, 800 x 500
// pixels, centred and on top; a click anywhere closes it.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace wavora
