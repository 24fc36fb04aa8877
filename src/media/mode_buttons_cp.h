#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/control_panel_model.h"

namespace wavora {

class TBasicXMLNode;

// A panel of two-state picture buttons in one group, each standing for one value (its tag) of an
// integer property of the panel's object. A click sets the property by name, so the edit is recorded
// like any other; on opening, the button of the current value is down.
class TModeButtonsCP : public TControlPanelModel {
 public:
  static constexpr int32_t kWidth = 177;

  // The object edited, not owned.
  TBasicXMLNode& Object() const { return object_; }
  // The tag of the button that is down.
  int32_t DownTag() const { return downTag_; }
  // A click on the button of this tag (the panels' Type0Click / Type1Click).
  void TypeClick(int32_t tag);

 protected:
  // Presses the button whose tag is currentValue, the fallback's when no button has that tag.
  TModeButtonsCP(TBasicXMLNode& object, std::string propertyName, int32_t currentValue,
                 std::vector<int32_t> tags, int32_t fallbackTag);

 private:
  TBasicXMLNode& object_;
  std::string propertyName_;
  int32_t downTag_;
};

}  // namespace wavora
