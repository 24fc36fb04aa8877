#include "ui/refraction_view.h"

#include "media/refraction_cp.h"
#include "sim/resource_strings.h"
#include "ui/refractive_index_view.h"

namespace wavora {

TRefractionView::TRefractionView(TRefractionCP& model, QWidget* parent)
    : TModeButtonsView(model, parent, "TRefractionCP", TRefractionCP::kHeight) {
  AddButton("Type1", 1, TIcon::RefractionQuick, kTripleLefts[0], 12, rs::Quick, "Label1", rs::QuickHint);
  AddButton("Type2", 2, TIcon::RefractionQuickLeft, kTripleLefts[1], 12, {}, nullptr, rs::QuickOtherSideHint);
  AddButton("Type0", 0, TIcon::RefractionAccurate, kTripleLefts[2], 12, rs::Accurate, "Label2",
            rs::AccurateHint);
  auto* refractiveIndex = new TRefractiveIndexView(model.RefractiveIndexCP1(), this);
  refractiveIndex->setObjectName(QStringLiteral("RefractiveIndexCP1"));
  refractiveIndex->move(0, TRefractionCP::kButtonsHeight);
}

}  // namespace wavora
