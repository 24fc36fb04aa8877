#pragma once

#include <cstdint>
#include <string>

#include "image/colour.h"
#include "media/mode_buttons_cp.h"

namespace wavora {

// The Earth's panel: "Atmosphere" over the reflection and refraction buttons, "Earthquakes" over the
// P-wave and S-wave buttons; the mirage button (mode 2) is hidden.
class TEarthCP : public TModeButtonsCP {
 public:
  static constexpr int32_t kWidth = 177;
  static constexpr int32_t kHeight = 165;
  static constexpr TColour kBackground = RGB(247, 247, 247);

  TEarthCP();

  const std::string& Label1() const { return label1_; }
  const std::string& Label4() const { return label4_; }

 private:
  std::string label1_;
  std::string label4_;
};

}  // namespace wavora
