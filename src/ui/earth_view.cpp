#include "ui/earth_view.h"

#include <iterator>

#include "media/earth_cp.h"
#include "ui/mode_button_group.h"
#include "ui/panel_style.h"
#include "widgets/icons.h"

namespace wavora {

TEarthView::TEarthView(TEarthCP& model, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TEarthCP"));
  setFixedSize(TEarthCP::kWidth, TEarthCP::kHeight);
  constexpr int kTop = MediumPanelTop(TEarthCP::kHeight);
  ModeLabel(*this, "Label1", model.Label1(), QRect(8, kTop, 160, 16), true, true);
  ModeLabel(*this, "Label4", model.Label4(), QRect(8, kTop + 74, 160, 16), true, true);

  // Buttons in the order of their tags; the hidden mirage button shares the first one's place.
  const TIcon glyphs[] = {TIcon::EarthReflection, TIcon::EarthRefraction, TIcon::EarthReflection,
                          TIcon::EarthPWaves, TIcon::EarthSWaves};
  const char* captions[] = {"Label2", "Label3", "Label7", "Label5", "Label6"};
  const QRect places[] = {QRect(6, kTop + 16, 80, 40), QRect(91, kTop + 16, 80, 40),
                          QRect(6, kTop + 16, 80, 40), QRect(6, kTop + 90, 80, 40),
                          QRect(91, kTop + 90, 80, 40)};
  for (size_t i = 0; i < std::size(glyphs) && i < model.Buttons().size(); ++i) {
    const TModeButtonsCP::TButton& button = model.Buttons()[i];
    ModeButton(*this, model, button, WavoraIcon(glyphs[i]), places[i]);
    ModeLabel(*this, captions[i], button.caption, QRect(places[i].left(), places[i].bottom() + 1, 80, 16),
              button.visible);
  }
}

}  // namespace wavora
