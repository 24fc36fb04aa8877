#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

  // A button of the group: its component name, tag, caption (none for a picture alone), hint and the
  // heading it stands under. A button not shown can still be the one down, for a value it stands for.
  struct TModeButton {
    std::string_view name;
    int32_t tag;
    std::string_view caption;
    std::string_view hint;
    std::string_view heading = {};
    bool shown = true;
  };

  // The object edited, not owned.
  TBasicXMLNode& Object() const { return object_; }
  // The tag of the button that is down.
  int32_t DownTag() const { return downTag_; }
  // A click on the button of this tag (the panels' Type0Click / Type1Click).
  void TypeClick(int32_t tag);

 protected:
  // Presses the button whose tag is currentValue, the fallback's when no button has that tag.
  TModeButtonsCP(TBasicXMLNode& object, std::string propertyName, int32_t currentValue,
                 std::vector<TModeButton> buttons, int32_t fallbackTag);

  // The shown buttons as one group, named for the property it sets.
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  TBasicXMLNode& object_;
  std::string propertyName_;
  std::vector<TModeButton> buttons_;
  int32_t downTag_;
};

}  // namespace wavora
