#include "widgets/picture_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/focus_mark.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

constexpr int kPadding = 4;  // between the face's edge and its content
constexpr int kGap = 5;      // between glyph and caption
constexpr double kDisabledOpacity = 0.4;

}  // namespace

TPictureButton::TPictureButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_Hover);
  setIconSize(QSize(20, 20));
}

void TPictureButton::SetGlyph(const QIcon& glyph) {
  setIcon(glyph);
  updateGeometry();
}

void TPictureButton::SetCaption(const QString& caption) {
  setText(caption);
  NameForReaders();
  updateGeometry();
}

void TPictureButton::SetHint(const QString& hint) {
  setToolTip(hint);
  NameForReaders();
}

void TPictureButton::NameForReaders() {
  const QString name = text().isEmpty() ? toolTip() : QString();
  if (accessibleName() != name) setAccessibleName(name);
}

void TPictureButton::SetGlyphLayout(TGlyphLayout layout) {
  layout_ = layout;
  updateGeometry();
  update();
}

QRect TPictureButton::ContentRect() const {
  return rect().adjusted(kPadding, kPadding, -kPadding - TrailingSpace(), -kPadding);
}

QSize TPictureButton::sizeHint() const {
  const QSize glyph = icon().isNull() ? QSize(0, 0) : iconSize();
  const QSize caption = text().isEmpty() ? QSize(0, 0) : fontMetrics().size(Qt::TextSingleLine, text());
  const int gap = glyph.isEmpty() || caption.isEmpty() ? 0 : kGap;
  QSize content =
      layout_ == TGlyphLayout::Left
          ? QSize(glyph.width() + gap + caption.width(), std::max(glyph.height(), caption.height()))
          : QSize(std::max(glyph.width(), caption.width()), glyph.height() + gap + caption.height());
  return content + QSize(2 * kPadding + TrailingSpace(), 2 * kPadding);
}

TPictureButton::TFaceState TPictureButton::FaceState() const {
  return TFaceState{isEnabled(), isEnabled() && underMouse(), isDown(), isChecked(),
                    ShowsKeyboardFocus(*this)};
}

void TPictureButton::PaintContent(QPainter& painter, const QRect& rect, bool enabled) {
  const bool hasCaption = !text().isEmpty();
  const QSize caption = hasCaption ? fontMetrics().size(Qt::TextSingleLine, text()) : QSize(0, 0);
  // A face too narrow for the glyph beside the caption shows the caption alone: the words say what
  // the button does, where a cut-off caption says nothing.
  const bool hasGlyph = !icon().isNull() && (layout_ != TGlyphLayout::Left || !hasCaption ||
                                             iconSize().width() + kGap + caption.width() <= rect.width());
  const QSize glyph = hasGlyph ? iconSize() : QSize(0, 0);
  const int gap = hasGlyph && hasCaption ? kGap : 0;

  QRect glyphRect;
  QRect captionRect;
  if (layout_ == TGlyphLayout::Left) {
    // Glyph and caption centred as one group; a caption too long for the face alone is elided.
    const int captionWidth = std::min(caption.width(), std::max(0, rect.width() - glyph.width() - gap));
    const int left = rect.left() + (rect.width() - glyph.width() - gap - captionWidth) / 2;
    glyphRect = QRect(left, rect.top() + (rect.height() - glyph.height()) / 2, glyph.width(), glyph.height());
    captionRect = QRect(left + glyph.width() + gap, rect.top(), captionWidth, rect.height());
  } else {
    const int top = rect.top() + (rect.height() - glyph.height() - gap - caption.height()) / 2;
    glyphRect = QRect(rect.left() + (rect.width() - glyph.width()) / 2, top, glyph.width(), glyph.height());
    captionRect = QRect(rect.left(), top + glyph.height() + gap, rect.width(), caption.height());
  }

  if (hasGlyph) {
    painter.save();
    if (!enabled) painter.setOpacity(kDisabledOpacity);
    icon().paint(&painter, glyphRect, Qt::AlignCenter, QIcon::Normal, isChecked() ? QIcon::On : QIcon::Off);
    painter.restore();
  }
  if (hasCaption) {
    painter.setPen(QColor(enabled ? WidgetColours().text : WidgetColours().textDisabled));
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, captionRect.width());
    const Qt::Alignment align =
        layout_ == TGlyphLayout::Left ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
    painter.drawText(captionRect, align | Qt::TextSingleLine, shown);
  }
}

void TPictureButton::PaintFocusRing(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setPen(QPen(QColor(WidgetColours().accent), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), palette::kRadius, palette::kRadius);
  painter.restore();
}

void TPictureButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void TPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const TFaceState state = FaceState();
  PaintFace(painter, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), state);
  painter.setRenderHint(QPainter::Antialiasing, false);
  PaintContent(painter, ContentRect(), state.enabled);
}

}  // namespace wavora
