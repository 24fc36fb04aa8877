#include "ui/window_frames.h"

#include <QLabel>
#include <QPainter>

#include "widgets/custom_bit_btn.h"
#include "widgets/custom_speed_button.h"
#include "widgets/qt_text.h"

namespace wavora {

TPanelFrame::TPanelFrame(QWidget* parent, const char* name, const QRect& geometry, std::optional<QColor> fill,
                         std::optional<QColor> border)
    : QFrame(parent), fill_(fill), border_(border) {
  setObjectName(QLatin1String(name));
  setGeometry(geometry);
}

void TPanelFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(border_.value_or(QColor(WidgetColours().border)), 1));
  painter.setBrush(fill_.value_or(QColor(WidgetColours().listBackground)));
  painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

TCustomSpeedButton* SpeedButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                                std::string_view hint, int groupIndex) {
  auto* button = new TCustomSpeedButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->SetGlyph(glyph);
  button->SetHint(QtText(hint));
  if (groupIndex > 0) {
    button->SetGroupIndex(groupIndex);
    button->SetAllowAllUp(true);
  }
  return button;
}

TCustomBitBtn* MenuButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                          std::string_view hint) {
  auto* button = new TCustomBitBtn(parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->SetGlyph(glyph);
  button->SetMenuArrow(true);
  button->SetHint(QtText(hint));
  return button;
}

QLabel* Caption(QWidget* parent, const char* name, const QRect& geometry, bool bold) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
  return label;
}

}  // namespace wavora
