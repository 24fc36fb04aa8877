#include "media/earth_cp.h"

#include "media/earth_mapper.h"

namespace wavora {

TEarthCP::TEarthCP(TEarthRIMapper& mapper)
    : TModeButtonsCP(mapper, "Mode", mapper.GetMode(), {0, 1, 2, 3, 4}, 0) {}

}  // namespace wavora
