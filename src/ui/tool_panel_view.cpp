#include "ui/tool_panel_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "sim/tool_panel.h"
#include "ui/dib_image.h"
#include "ui/panel_style.h"

namespace wavora {

TToolPanelView::TToolPanelView(TBaseCPFrame& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TBaseCPFrame"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  if (parent) resize(parent->size());
}

void TToolPanelView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPanelBackground);
  if (const TFastDIB* image = model_.SnapshotImage()) {
    PaintDib(painter, QRect(0, 0, image->Width(), image->Height()), *image);
  }
}

void TToolPanelView::resizeEvent(QResizeEvent*) {
  model_.SetBoxSize(width(), height());
}

void TToolPanelView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  model_.BoxMouseDown(p.x(), p.y());
  update();
}

void TToolPanelView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  model_.BoxMouseMove(p.x(), p.y());
}

void TToolPanelView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  model_.BoxMouseUp(p.x(), p.y());
  update();
}

}  // namespace wavora
