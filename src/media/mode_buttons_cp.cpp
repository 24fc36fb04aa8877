#include "media/mode_buttons_cp.h"

#include <algorithm>

#include "model/property_text.h"
#include "sim/scene_object.h"

namespace wavora {

void TModeButtonsCP::Bind(TBaseWaterObject* object, int32_t mode) {
  object_ = object;
  if (buttons_.empty()) return;
  const bool carried = std::any_of(buttons_.begin(), buttons_.end(),
                                   [mode](const TButton& button) { return button.tag == mode; });
  downTag_ = carried ? mode : buttons_.front().tag;
}

void TModeButtonsCP::Type0Click(int32_t tag) {
  downTag_ = tag;
  if (object_) SetPropertyFromText(*object_, "Mode", std::to_string(tag), false);
}

}  // namespace wavora
