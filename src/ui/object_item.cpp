#include "ui/object_item.h"

#include <QPainter>
#include <array>

#include "ui/dib_image.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

constexpr int kPictureSize = 28;
constexpr int kToolPictureSize = 20;
constexpr int kTextLeft = 38;

// The medium item's mark: a ring, filled while the medium is the selected object.
void DrawSelectionMark(QPainter& painter, const QPoint& topLeft, bool selected) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(selected ? QColor(Qt::white) : QColor(WidgetColours().tick), 1.5));
  painter.setBrush(selected ? QColor(Qt::white) : QColor(Qt::transparent));
  painter.drawEllipse(QRectF(topLeft.x() + 5.5, topLeft.y() + 5.5, 10, 10));
  painter.restore();
}

}  // namespace

int ObjectItemHeight(TObjectKind kind) {
  return kind == TObjectKind::PanelTool ? kPanelItemHeight : kObjectItemHeight;
}

QIcon ToolImage(int imageIndex) {
  const QIcon icon = ToolIcon(imageIndex);
  return icon.isNull() ? WavoraIcon(TIcon::ToolsTab) : icon;
}

void DrawObjectItem(QPainter& painter, const TObjectListItem& item, const QRect& rect, bool selected,
                    const QIcon& picture, const TFastDIB* panelImage) {
  painter.save();
  const TItemColours colours = ItemColours(selected, QColor(135, 135, 135));
  painter.fillRect(rect, colours.face);
  painter.setPen(colours.ink);
  QFont font = painter.font();
  font.setPointSize(9);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const QString name = QtText(item.name);
  const auto drawName = [&](int left, const QRect& band) {
    const QRect textRect(left, band.top(), rect.right() - left - 2, band.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     metrics.elidedText(name, Qt::ElideRight, textRect.width()));
  };

  switch (item.kind) {
    case TObjectKind::Source:
      picture.paint(&painter, rect.left() + 4, rect.top() + 2, kPictureSize, kPictureSize);
      drawName(rect.left() + kTextLeft, rect);
      break;
    case TObjectKind::Medium: {
      const int markRoom = 28;
      picture.paint(&painter, rect.left() + 4, rect.top() + 2, kPictureSize, kPictureSize);
      drawName(rect.left() + kTextLeft, rect.adjusted(0, 0, -markRoom, 0));
      DrawSelectionMark(painter, QPoint(rect.right() + 1 - markRoom, rect.top() + 5), selected);
      break;
    }
    case TObjectKind::Tool:
      picture.paint(&painter, rect.left() + 8, rect.top() + 6, kToolPictureSize, kToolPictureSize);
      drawName(rect.left() + kTextLeft, rect);
      break;
    case TObjectKind::PanelTool: {
      const int captionHeight = metrics.height();
      drawName(rect.left() + 4, QRect(rect.left(), rect.top() + 2, rect.width(), captionHeight));
      const QRect area(rect.left() + 6, rect.top() + captionHeight + 2, rect.width() - 12,
                       rect.height() - 8 - captionHeight);
      if (panelImage && !panelImage->IsEmpty() && !area.isEmpty()) {
        painter.drawImage(
            area,
            DibToImage(*panelImage).scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      }
      break;
    }
  }
  painter.restore();
}

}  // namespace wavora
