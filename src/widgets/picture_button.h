#pragma once

#include <QAbstractButton>

namespace wavora {

// Common ground of the picture buttons: a glyph and a caption laid out side by side or stacked, the
// hint shown as a tooltip, and hover and pressed states. Subclasses paint the face behind them.
class TPictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class TGlyphLayout { Left, Top };

  explicit TPictureButton(QWidget* parent = nullptr);

  void SetGlyph(const QIcon& glyph);
  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }
  void SetHint(const QString& hint) { setToolTip(hint); }
  QString Hint() const { return toolTip(); }
  void SetGlyphLayout(TGlyphLayout layout);
  TGlyphLayout GlyphLayout() const { return layout_; }

  // Where the glyph and the caption go: the face inside its padding.
  QRect ContentRect() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  struct TFaceState {
    bool enabled;
    bool hovered;
    bool pressed;  // held down by the pointer or the keyboard
    bool down;     // latched down (checked)
    bool focused;
  };

  virtual void PaintFace(QPainter& painter, const QRectF& rect, const TFaceState& state) = 0;
  // Room kept free at the right of the content, for example for a menu arrow.
  virtual int TrailingSpace() const { return 0; }

  TFaceState FaceState() const;
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintContent(QPainter& painter, const QRect& rect, bool enabled);

  TGlyphLayout layout_ = TGlyphLayout::Left;
};

}  // namespace wavora
