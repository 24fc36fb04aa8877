#pragma once

#include "widgets/picture_button.h"

namespace wavora {

// A framed picture push button for commands, optionally marked with a small arrow when it opens a menu.
class TCustomBitBtn : public TPictureButton {
  Q_OBJECT

 public:
  explicit TCustomBitBtn(QWidget* parent = nullptr);

  bool MenuArrow() const { return menuArrow_; }
  void SetMenuArrow(bool shown);

 protected:
  void PaintFace(QPainter& painter, const QRectF& rect, const TFaceState& state) override;
  int TrailingSpace() const override { return menuArrow_ ? kArrowSpace : 0; }

 private:
  static constexpr int kArrowSpace = 14;

  bool menuArrow_ = false;
};

}  // namespace wavora
