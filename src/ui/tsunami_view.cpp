#include "ui/tsunami_view.h"

#include "media/tsunami_cp.h"
#include "sim/resource_strings.h"
#include "ui/panel_style.h"

namespace wavora {

TTsunamiView::TTsunamiView(TTsunamiCP& model, QWidget* parent)
    : TModeButtonsView(model, parent, "TTsunamiCP", TTsunamiCP::kHeight) {
  constexpr int kTop = MediumPanelTop(TTsunamiCP::kHeight) + 50;
  AddButton("Type1", 0, TIcon::TsunamiIndianOcean, kPairLefts[0], kTop, rs::IndianOcean, "Label3",
            rs::IndianOcean);
  AddButton("Type2", 1, TIcon::TsunamiAtlantic, kPairLefts[1], kTop, rs::Atlantic, "Label5", rs::Atlantic);
}

}  // namespace wavora
