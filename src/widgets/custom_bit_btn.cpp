#include "widgets/custom_bit_btn.h"

#include <QPainter>
#include <QPainterPath>

#include "widgets/widget_palette.h"

namespace wavora {

TCustomBitBtn::TCustomBitBtn(QWidget* parent) : TPictureButton(parent) {
  setFocusPolicy(Qt::TabFocus);
}

void TCustomBitBtn::SetMenuArrow(bool shown) {
  menuArrow_ = shown;
  updateGeometry();
  update();
}

void TCustomBitBtn::PaintFace(QPainter& painter, const QRectF& rect, const TFaceState& state) {
  QColor fill(WidgetColours().face);
  QColor border(WidgetColours().border);
  if (!state.enabled) {
    fill = QColor(WidgetColours().window);
  } else if (state.pressed || state.down) {
    fill = QColor(WidgetColours().accentSoft);
    border = QColor(WidgetColours().accentSoftBorder);
  } else if (state.hovered) {
    fill = QColor(WidgetColours().faceHover);
    border = QColor(WidgetColours().borderHover);
  }
  painter.setPen(QPen(border, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(rect, palette::kRadius, palette::kRadius);
  if (state.focused && state.enabled) PaintFocusRing(painter, rect);

  if (!menuArrow_) return;
  // A small downward chevron centred in the space kept at the right.
  const QPointF centre(rect.right() - kArrowSpace / 2.0 - 2.0, rect.center().y() + 1.0);
  QPainterPath chevron;
  chevron.moveTo(centre + QPointF(-3.5, -2.0));
  chevron.lineTo(centre + QPointF(0.0, 1.5));
  chevron.lineTo(centre + QPointF(3.5, -2.0));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(state.enabled ? WidgetColours().text : WidgetColours().textDisabled), 1.5,
                      Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(chevron);
}

}  // namespace wavora
