#include "ui/earth_view.h"

#include "media/earth_cp.h"
#include "sim/resource_strings.h"

namespace wavora {

TEarthView::TEarthView(TEarthCP& model, QWidget* parent)
    : TModeButtonsView(model, parent, "TEarthCP", TEarthCP::kHeight) {
  AddHeading("Label1", rs::Atmosphere, 8);
  AddButton("Type0", 0, TIcon::EarthReflection, kPairLefts[0], 26, rs::Reflection, "Label2", rs::Reflection);
  AddButton("Type1", 1, TIcon::EarthRefraction, kPairLefts[1], 26, rs::Refraction, "Label3", rs::Refraction);
  AddHeading("Label4", rs::Earthquakes, 82);
  AddButton("Type3", 3, TIcon::EarthPWaves, kPairLefts[0], 100, rs::PWaves, "Label5", rs::PWaves);
  AddButton("Type4", 4, TIcon::EarthSWaves, kPairLefts[1], 100, rs::SWaves, "Label6", rs::SWaves);
}

}  // namespace wavora
