#include "media/mode_buttons_cp.h"

#include <algorithm>

#include "model/property_text.h"

namespace wavora {

TModeButtonsCP::TModeButtonsCP(TBasicXMLNode& object, std::string propertyName, int32_t currentValue,
                               std::vector<TModeButton> buttons, int32_t fallbackTag)
    : object_(object), propertyName_(std::move(propertyName)), buttons_(std::move(buttons)) {
  const bool known = std::any_of(buttons_.begin(), buttons_.end(),
                                 [currentValue](const TModeButton& b) { return b.tag == currentValue; });
  downTag_ = known ? currentValue : fallbackTag;
}

void TModeButtonsCP::TypeClick(int32_t tag) {
  downTag_ = tag;
  SetPropertyFromText(object_, propertyName_, std::to_string(tag), false);
}

std::vector<TPanelControl> TModeButtonsCP::OwnControls() const {
  std::vector<TControlItem> items;
  for (const TModeButton& b : buttons_) {
    if (b.shown)
      items.push_back(
          {b.tag, std::string(b.name), std::string(b.caption), std::string(b.hint), std::string(b.heading)});
  }
  return {GroupControl(propertyName_, {}, std::move(items), downTag_)};
}

TChangeResult TModeButtonsCP::ApplyChange(const TPanelControl&, int32_t value) {
  TypeClick(value);
  return TChangeResult::Done;
}

}  // namespace wavora
