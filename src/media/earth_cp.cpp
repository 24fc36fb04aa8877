#include "media/earth_cp.h"

#include "media/earth_mapper.h"
#include "sim/resource_strings.h"

namespace wavora {

TEarthCP::TEarthCP(TEarthRIMapper& mapper)
    : TModeButtonsCP(mapper, "Mode", mapper.GetMode(),
                     {{"Type0", 0, rs::Reflection, rs::Reflection, rs::Atmosphere},
                      {"Type1", 1, rs::Refraction, rs::Refraction, rs::Atmosphere},
                      {"Type2", 2, rs::Mirages, rs::Mirages, rs::Atmosphere, false},
                      {"Type3", 3, rs::PWaves, rs::PWaves, rs::Earthquakes},
                      {"Type4", 4, rs::SWaves, rs::SWaves, rs::Earthquakes}},
                     0) {}

}  // namespace wavora
