#include "ui/tsunami_view.h"

#include "media/tsunami_cp.h"
#include "ui/mode_button_group.h"
#include "ui/panel_style.h"

namespace wavora {

TTsunamiView::TTsunamiView(TTsunamiCP& model, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TTsunamiCP"));
  setFixedSize(TTsunamiCP::kWidth, TTsunamiCP::kHeight);
  constexpr int kTop = MediumPanelTop(TTsunamiCP::kHeight);
  // In the model's order; the hidden beach button shares the first one's place.
  const TModeButtonPlace places[] = {{TIcon::TsunamiIndianOcean, "Label3", QRect(6, kTop + 30, 80, 64)},
                                     {TIcon::TsunamiAtlantic, "Label5", QRect(91, kTop + 30, 80, 64)},
                                     {TIcon::TsunamiIndianOcean, "Label2", QRect(6, kTop + 30, 80, 64)}};
  AddModeButtons(*this, model, places);
}

}  // namespace wavora
