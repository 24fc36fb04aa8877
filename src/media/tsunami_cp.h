#pragma once

#include <cstdint>

#include "image/colour.h"
#include "media/mode_buttons_cp.h"

namespace wavora {

// The tsunami's panel: the Indian Ocean and Atlantic buttons; the beach button (mode 2) is hidden.
class TTsunamiCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kWidth = 177;
  static constexpr int32_t kHeight = 179;
  static constexpr TColour kBackground = RGB(247, 247, 247);

  TTsunamiCP();
};

}  // namespace wavora
