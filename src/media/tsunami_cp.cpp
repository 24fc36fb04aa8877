#include "media/tsunami_cp.h"

#include "sim/resource_strings.h"

namespace wavora {

// The first button is the one pressed for a mode no button carries.
TTsunamiCP::TTsunamiCP()
    : TModeButtonsCP({{"Type1", 0, std::string(rs::IndianOcean), true},
                      {"Type2", 1, std::string(rs::Atlantic), true},
                      {"Type0", 2, std::string(rs::Beach), false}}) {}

}  // namespace wavora
