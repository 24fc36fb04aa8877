#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace wavora {

class TFastDIB;

// Slide list items carry the name and the description in one text, joined by the escape character.
inline constexpr QChar kSlideTextSeparator = QChar(27);
QString SlideItemText(const QString& name, const QString& description);

inline constexpr int kSlideItemHeight = 70;
inline constexpr int kThumbnailSize = 50;

// A 50 x 50 picture of the slide's image, framed in grey.
QImage SlideThumbnail(const TFastDIB& image);

// One slide item: the number and name, the thumbnail below them and the description word-wrapped
// beside it, ending in an ellipsis where it does not fit.
void DrawSlideItem(QPainter& painter, int index, const QString& text, const QImage& thumbnail,
                   const QRect& rect, bool selected);

}  // namespace wavora
