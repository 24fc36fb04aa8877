#pragma once

#include <QWidget>

namespace wavora {

class TBaseCPFrame;

// A measuring tool's panel: shows the image its tool draws and passes the pointer over it on.
class TToolPanelView : public QWidget {
  Q_OBJECT

 public:
  TToolPanelView(TBaseCPFrame& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TBaseCPFrame& model_;  // owned by the window, outlives the view
};

}  // namespace wavora
