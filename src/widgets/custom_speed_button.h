#pragma once

#include "widgets/picture_button.h"

namespace wavora {

// A flat picture button that shows its face only on hover, press or while down. With a group index
// above 0 it latches: buttons of one parent with the same group index are down one at a time, and a
// down button comes up again on a click only when AllowAllUp is set (a single toggle button is a group
// of one with AllowAllUp).
class TCustomSpeedButton : public TPictureButton {
  Q_OBJECT

 public:
  explicit TCustomSpeedButton(QWidget* parent = nullptr);

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }

  // Always false with group index 0. A down button without AllowAllUp stays down until another button
  // of its group goes down.
  bool Down() const { return isChecked(); }
  void SetDown(bool down);

 protected:
  void PaintFace(QPainter& painter, const QRectF& rect, const TFaceState& state) override;
  void nextCheckState() override;

 private:
  void RaiseGroupSiblings();

  int groupIndex_ = 0;
  bool allowAllUp_ = false;
};

}  // namespace wavora
