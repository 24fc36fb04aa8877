#include "ui/earth_view.h"

#include "media/earth_cp.h"
#include "ui/mode_button_group.h"
#include "ui/panel_style.h"

namespace wavora {

TEarthView::TEarthView(TEarthCP& model, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TEarthCP"));
  setFixedSize(TEarthCP::kWidth, TEarthCP::kHeight);
  constexpr int kTop = MediumPanelTop(TEarthCP::kHeight);
  ModeHeading(*this, "Label1", model.Label1(), QRect(8, kTop, 160, 16));
  ModeHeading(*this, "Label4", model.Label4(), QRect(8, kTop + 74, 160, 16));
  // In the order of the tags; the hidden mirage button shares the first one's place.
  const TModeButtonPlace places[] = {{TIcon::EarthReflection, "Label2", QRect(6, kTop + 16, 80, 40)},
                                     {TIcon::EarthRefraction, "Label3", QRect(91, kTop + 16, 80, 40)},
                                     {TIcon::EarthReflection, "Label7", QRect(6, kTop + 16, 80, 40)},
                                     {TIcon::EarthPWaves, "Label5", QRect(6, kTop + 90, 80, 40)},
                                     {TIcon::EarthSWaves, "Label6", QRect(91, kTop + 90, 80, 40)}};
  AddModeButtons(*this, model, places);
}

}  // namespace wavora
