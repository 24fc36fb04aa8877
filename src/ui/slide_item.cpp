#include "ui/slide_item.h"

#include <QPainter>
#include <QTextLayout>

#include "ui/dib_image.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

// Lays the text out in lines of the rectangle's width; the last line that fits ends in an ellipsis
// when text is left over.
void DrawWrappedText(QPainter& painter, const QString& text, const QRectF& rect) {
  const QFontMetricsF metrics(painter.font());
  const int maxLines = static_cast<int>(rect.height() / metrics.lineSpacing());
  QString flowing = text;
  flowing.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(flowing, painter.font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid() && lines.size() < maxLines;
       line = layout.createLine()) {
    line.setLineWidth(rect.width());
    const bool more = line.textStart() + line.textLength() < flowing.size();
    if (lines.size() == maxLines - 1 && more) {
      lines << metrics.elidedText(text.mid(line.textStart()).simplified(), Qt::ElideRight, rect.width());
    } else {
      lines << flowing.mid(line.textStart(), line.textLength());
    }
  }
  layout.endLayout();
  for (int i = 0; i < lines.size(); ++i) {
    painter.drawText(
        QRectF(rect.left(), rect.top() + i * metrics.lineSpacing(), rect.width(), metrics.lineSpacing()),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, lines[i].trimmed());
  }
}

}  // namespace

QString SlideItemText(const QString& name, const QString& description) {
  return name + kSlideTextSeparator + description;
}

QImage SlideThumbnail(const TFastDIB& image) {
  QImage thumbnail =
      DibToImage(image)
          .scaled(kThumbnailSize, kThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
  QPainter painter(&thumbnail);
  painter.setPen(QColor(80, 80, 80));
  painter.drawRect(0, 0, kThumbnailSize - 1, kThumbnailSize - 1);
  return thumbnail;
}

void DrawSlideItem(QPainter& painter, int index, const QString& text, const QImage& thumbnail,
                   const QRect& rect, bool selected) {
  painter.save();
  const TItemColours colours = ItemColours(selected, QColor(116, 155, 220));
  painter.fillRect(rect, colours.face);
  painter.setPen(colours.ink);
  const int separator = text.indexOf(kSlideTextSeparator);
  const QString name = separator < 0 ? text : text.left(separator);
  const QString description = separator < 0 ? QString() : text.mid(separator + 1);

  QFont font = painter.font();
  font.setPointSize(9);
  font.setBold(false);
  painter.setFont(font);
  const int lineHeight = QFontMetrics(font).height();
  const QRect titleRect(rect.left() + 2, rect.top() + 1, rect.width() - 4, lineHeight);
  painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   QFontMetrics(font).elidedText(QStringLiteral("%1. %2").arg(index + 1).arg(name),
                                                 Qt::ElideRight, titleRect.width()));
  const int picturesTop = rect.top() + 3 + lineHeight;
  if (!thumbnail.isNull()) painter.drawImage(rect.left() + 2, picturesTop, thumbnail);

  font.setPointSize(8);
  painter.setFont(font);
  const QRectF descriptionRect(rect.left() + 5 + kThumbnailSize, picturesTop,
                               rect.right() + 1 - (rect.left() + 5 + kThumbnailSize) - 2,
                               rect.bottom() + 1 - picturesTop);
  DrawWrappedText(painter, description.trimmed(), descriptionRect);
  painter.restore();
}

}  // namespace wavora
