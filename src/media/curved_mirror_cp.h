#pragma once

#include "media/mode_buttons_cp.h"

namespace wavora {

class TCurvedMirrorLine;

// The curved mirror's panel: under "Circular Shape" the quick (Type0, tag 0) and accurate (Type2,
// tag 2) arcs, under "Parabolic Shape" the quick (Type1, tag 1) and accurate (Type3, tag 3)
// parabolas; each sets MirrorType.
class TCurvedMirrorCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kHeight = 165;

  explicit TCurvedMirrorCP(TCurvedMirrorLine& mirror);
};

}  // namespace wavora
