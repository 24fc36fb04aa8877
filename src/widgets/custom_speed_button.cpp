#include "widgets/custom_speed_button.h"

#include <QPainter>
#include <algorithm>

#include "widgets/widget_palette.h"

namespace wavora {

TCustomSpeedButton::TCustomSpeedButton(QWidget* parent) : TPictureButton(parent) {
  // The keyboard reaches it with Tab; a click leaves the focus where it was.
  setFocusPolicy(Qt::TabFocus);
  connect(this, &QAbstractButton::toggled, this, [this](bool down) {
    if (down) RaiseGroupSiblings();
  });
}

void TCustomSpeedButton::SetGroupIndex(int groupIndex) {
  groupIndex_ = std::max(0, groupIndex);
  if (groupIndex_ == 0) setChecked(false);
  setCheckable(groupIndex_ > 0);
}

void TCustomSpeedButton::SetDown(bool down) {
  if (groupIndex_ == 0 || down == isChecked()) return;
  if (!down && !allowAllUp_) return;
  setChecked(down);
}

void TCustomSpeedButton::nextCheckState() {
  if (isChecked() && !allowAllUp_) return;
  setChecked(!isChecked());
}

void TCustomSpeedButton::RaiseGroupSiblings() {
  if (parentWidget() == nullptr) return;
  for (auto* sibling : parentWidget()->findChildren<TCustomSpeedButton*>(Qt::FindDirectChildrenOnly)) {
    if (sibling != this && sibling->groupIndex_ == groupIndex_ && sibling->isChecked()) {
      sibling->setChecked(false);
    }
  }
}

void TCustomSpeedButton::PaintFace(QPainter& painter, const QRectF& rect, const TFaceState& state) {
  QColor fill = Qt::transparent;
  QColor border = Qt::transparent;
  if (state.down) {
    fill = QColor(WidgetColours().accentSoft);
    border = QColor(WidgetColours().accentSoftBorder);
    if (state.pressed || state.hovered) fill = fill.darker(state.pressed ? 112 : 104);
  } else if (state.pressed) {
    fill = QColor::fromRgba(WidgetColours().pressed);
  } else if (state.hovered) {
    fill = QColor::fromRgba(WidgetColours().hover);
  }
  painter.setPen(border == Qt::transparent ? QPen(Qt::NoPen) : QPen(border, 1));
  painter.setBrush(fill);
  painter.drawRoundedRect(rect, palette::kRadius, palette::kRadius);
  if (state.focused && state.enabled) PaintFocusRing(painter, rect);
}

}  // namespace wavora
