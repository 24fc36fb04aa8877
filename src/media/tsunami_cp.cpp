#include "media/tsunami_cp.h"

#include "media/tsunami_mapper.h"

namespace wavora {

TTsunamiCP::TTsunamiCP(TTsunamiRIMapper& mapper)
    : TModeButtonsCP(mapper, "Mode", mapper.GetMode(), {0, 1, 2}, 0) {}

}  // namespace wavora
