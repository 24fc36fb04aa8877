#pragma once

#include <cstdint>

#include "media/mode_buttons_cp.h"

namespace wavora {

class TEarthRIMapper;

// The Earth's panel: under "Atmosphere" reflection (Type0, tag 0) and refraction (Type1, tag 1), under
// "Earthquakes" P-waves (Type3, tag 3) and S-waves (Type4, tag 4); each sets Mode. The mirage button
// (Type2, tag 2) is hidden; any other mode presses Type0.
class TEarthCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kHeight = 165;

  explicit TEarthCP(TEarthRIMapper& mapper);
};

}  // namespace wavora
