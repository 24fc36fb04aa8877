#pragma once

#include "media/mode_buttons_cp.h"

namespace wavora {

class TPlaneMirror;

// The plane mirror's panel: "Quick" (Type1, tag 1) and "Accurate" (Type0, tag 0) set its Mode.
class TPlaneMirrorCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kHeight = 100;

  explicit TPlaneMirrorCP(TPlaneMirror& mirror);
};

}  // namespace wavora
