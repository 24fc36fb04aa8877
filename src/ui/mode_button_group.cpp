#include "ui/mode_button_group.h"

#include <QLabel>

#include "widgets/custom_speed_button.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kModeGroup = 1;

}  // namespace

TCustomSpeedButton* ModeButton(QWidget& parent, TModeButtonsCP& model, const TModeButtonsCP::TButton& button,
                               const QIcon& glyph, const QRect& geometry) {
  auto* speedButton = new TCustomSpeedButton(&parent);
  speedButton->setObjectName(QtText(button.name));
  speedButton->setGeometry(geometry);
  speedButton->SetGlyph(glyph);
  speedButton->SetHint(QtText(button.caption));
  speedButton->SetGroupIndex(kModeGroup);
  speedButton->SetDown(model.DownTag() == button.tag);
  speedButton->setVisible(button.visible);
  const int32_t tag = button.tag;
  QObject::connect(speedButton, &QAbstractButton::clicked, speedButton,
                   [&model, tag] { model.Type0Click(tag); });
  return speedButton;
}

QLabel* ModeLabel(QWidget& parent, const char* name, const std::string& text, const QRect& geometry,
                  bool visible, bool heading) {
  auto* label = new QLabel(QtText(text), &parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(heading ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignHCenter | Qt::AlignTop);
  if (heading) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
  }
  label->setVisible(visible);
  return label;
}

}  // namespace wavora
