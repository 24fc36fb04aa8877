#include "ui/mode_button_group.h"

#include <QLabel>

#include "widgets/custom_speed_button.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kModeGroup = 1;
constexpr int kCaptionHeight = 16;

QLabel* PanelLabel(QWidget& parent, const char* name, const std::string& text, const QRect& geometry) {
  auto* label = new QLabel(QtText(text), &parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  return label;
}

}  // namespace

void AddModeButtons(QWidget& parent, TModeButtonsCP& model, std::span<const TModeButtonPlace> places) {
  for (size_t i = 0; i < places.size() && i < model.Buttons().size(); ++i) {
    const TModeButtonsCP::TButton& button = model.Buttons()[i];
    const QRect& place = places[i].place;
    auto* speedButton = new TCustomSpeedButton(&parent);
    speedButton->setObjectName(QtText(button.name));
    speedButton->setGeometry(place);
    speedButton->SetGlyph(WavoraIcon(places[i].glyph));
    speedButton->SetHint(QtText(button.caption));
    speedButton->SetGroupIndex(kModeGroup);
    speedButton->SetDown(model.DownTag() == button.tag);
    speedButton->setVisible(button.visible);
    const int32_t tag = button.tag;
    QObject::connect(speedButton, &QAbstractButton::clicked, speedButton,
                     [&model, tag] { model.Type0Click(tag); });

    QLabel* caption = PanelLabel(parent, places[i].captionName, button.caption,
                                 QRect(place.left(), place.bottom() + 2, place.width(), kCaptionHeight));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setVisible(button.visible);
  }
}

QLabel* ModeHeading(QWidget& parent, const char* name, const std::string& text, const QRect& geometry) {
  QLabel* heading = PanelLabel(parent, name, text, geometry);
  heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  return heading;
}

}  // namespace wavora
