#pragma once

#include <cstdint>

#include "media/mode_buttons_cp.h"

namespace wavora {

class TTsunamiRIMapper;

// The tsunami's panel: the Indian Ocean (Type1, tag 0) and the Atlantic (Type2, tag 1); each sets
// Mode. The beach button (Type0, tag 2) is hidden; any other mode presses Type1.
class TTsunamiCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kHeight = 179;

  explicit TTsunamiCP(TTsunamiRIMapper& mapper);
};

}  // namespace wavora
