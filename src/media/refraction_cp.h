#pragma once

#include "media/mode_buttons_cp.h"
#include "sim/refractive_index_cp.h"

namespace wavora {

class TRefractionMapper;

// The refraction boundary's panel: "Quick" (Type1, tag 1), the quick mode with the medium on the
// other side (Type2, tag 2) and "Accurate" (Type0, tag 0) set its Mode; below them the
// refractive-index panel edits its n.
class TRefractionCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kButtonsHeight = 80;
  static constexpr int32_t kHeight = kButtonsHeight + TRefractiveIndexCP::kHeight;

  explicit TRefractionCP(TRefractionMapper& mapper);
  TRefractiveIndexCP& RefractiveIndexCP1() { return refractiveIndex_; }

 private:
  TRefractiveIndexCP refractiveIndex_;
};

}  // namespace wavora
