#include "widgets/version_label.h"

#include "sim/resource_strings.h"
#include "widgets/qt_text.h"
#include "widgets/widget_palette.h"

namespace wavora {

TVersionLabel::TVersionLabel(QWidget* parent) : QLabel(VersionText(), parent) {
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  setFont(small);
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, QColor(WidgetColours().textDisabled).darker(125));
  setPalette(colours);
  setAlignment(Qt::AlignRight | Qt::AlignBottom);
}

QString TVersionLabel::VersionText() {
  return QtText(rs::VersionPrefix) + QStringLiteral(WAVORA_VERSION);
}

}  // namespace wavora
