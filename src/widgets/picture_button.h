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
  // The hint is also the name screen readers say for a button without a caption.
  void SetHint(const QString& hint);
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
  // The keyboard focus mark: a ring in the accent colour just inside the face's edge.
  static void PaintFocusRing(QPainter& painter, const QRectF& rect);
  void paintEvent(QPaintEvent* event) override;
  // Enter and Return click the button, as Space does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PaintContent(QPainter& painter, const QRect& rect, bool enabled);
  // Readers say the caption, or the hint where there is none.
  void NameForReaders();

  TGlyphLayout layout_ = TGlyphLayout::Left;
};

}  // namespace wavora
