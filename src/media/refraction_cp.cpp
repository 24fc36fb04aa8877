#include "media/refraction_cp.h"

#include "media/refraction_mapper.h"
#include "sim/resource_strings.h"

namespace wavora {

TRefractionCP::TRefractionCP(TRefractionMapper& mapper)
    : TModeButtonsCP(mapper, "Mode", mapper.GetMode(),
                     {{"Type1", 1, rs::Quick, rs::QuickHint},
                      {"Type2", 2, {}, rs::QuickOtherSideHint},
                      {"Type0", 0, rs::Accurate, rs::AccurateHint}},
                     1) {
  refractiveIndex_.Bind(&mapper);
  refractiveIndex_.SetValue(mapper.GetN());
  AddSubPanel("RefractiveIndexCP1", refractiveIndex_);
}

}  // namespace wavora
