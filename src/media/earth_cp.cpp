#include "media/earth_cp.h"

#include "sim/resource_strings.h"

namespace wavora {

TEarthCP::TEarthCP()
    : TModeButtonsCP({{"Type0", 0, std::string(rs::Reflection), true},
                      {"Type1", 1, std::string(rs::Refraction), true},
                      {"Type2", 2, std::string(rs::Mirages), false},
                      {"Type3", 3, std::string(rs::PWaves), true},
                      {"Type4", 4, std::string(rs::SWaves), true}}),
      label1_(rs::Atmosphere),
      label4_(rs::Earthquakes) {}

}  // namespace wavora
