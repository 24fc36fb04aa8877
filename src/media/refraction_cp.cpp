#include "media/refraction_cp.h"

#include "media/refraction_mapper.h"

namespace wavora {

TRefractionCP::TRefractionCP(TRefractionMapper& mapper)
    : TModeButtonsCP(mapper, "Mode", mapper.GetMode(), {1, 2, 0}, 1) {
  refractiveIndex_.Bind(&mapper);
  refractiveIndex_.SetValue(mapper.GetN());
}

}  // namespace wavora
