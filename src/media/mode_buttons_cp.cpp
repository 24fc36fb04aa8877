#include "media/mode_buttons_cp.h"

#include <algorithm>

#include "model/property_text.h"

namespace wavora {

TModeButtonsCP::TModeButtonsCP(TBasicXMLNode& object, std::string propertyName, int32_t currentValue,
                               std::vector<int32_t> tags, int32_t fallbackTag)
    : object_(object),
      propertyName_(std::move(propertyName)),
      downTag_(std::find(tags.begin(), tags.end(), currentValue) != tags.end() ? currentValue : fallbackTag) {
}

void TModeButtonsCP::TypeClick(int32_t tag) {
  downTag_ = tag;
  SetPropertyFromText(object_, propertyName_, std::to_string(tag), false);
}

}  // namespace wavora
