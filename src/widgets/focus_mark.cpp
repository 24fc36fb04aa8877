#include "widgets/focus_mark.h"

#include <QPainter>
#include <QWidget>

#include "widgets/widget_palette.h"

namespace wavora {

bool ShowsKeyboardFocus(const QWidget& widget) {
  return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void PaintFocusFrame(QPainter& painter, const QRect& rect) {
  painter.save();
  painter.setPen(QPen(QColor(WidgetColours().focusMark), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
  painter.restore();
}

}  // namespace wavora
