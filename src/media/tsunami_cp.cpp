#include "media/tsunami_cp.h"

#include "media/tsunami_mapper.h"
#include "sim/resource_strings.h"

namespace wavora {

TTsunamiCP::TTsunamiCP(TTsunamiRIMapper& mapper)
    : TModeButtonsCP(mapper, "Mode", mapper.GetMode(),
                     {{"Type0", 2, rs::Beach, rs::Beach, {}, false},
                      {"Type1", 0, rs::IndianOcean, rs::IndianOcean},
                      {"Type2", 1, rs::Atlantic, rs::Atlantic}},
                     0) {}

}  // namespace wavora
