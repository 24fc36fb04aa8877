#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/control_panel_model.h"

namespace wavora {

class TBaseWaterObject;

// A panel of two-state picture buttons in one group, each carrying a mode as its tag: a click sets
// the object's published Mode to the tag by name (so it is recorded like any edit); opening presses
// the button of the object's mode, or the first button for a mode no button carries.
class TModeButtonsCP : public TControlPanelModel {
 public:
  struct TButton {
    std::string name;     // component name, such as "Type0"
    int32_t tag;          // the mode it selects
    std::string caption;  // from the string table
    bool visible;
  };

  explicit TModeButtonsCP(std::vector<TButton> buttons) : buttons_(std::move(buttons)) {}

  // Binds the panel to an object (not owned; none unbinds) and presses the button of its mode.
  void Bind(TBaseWaterObject* object, int32_t mode);
  TBaseWaterObject* Object() const { return object_; }

  const std::vector<TButton>& Buttons() const { return buttons_; }
  // The tag of the pressed button.
  int32_t DownTag() const { return downTag_; }
  // Type0Click, shared by every button of the group.
  void Type0Click(int32_t tag);

 private:
  std::vector<TButton> buttons_;
  TBaseWaterObject* object_ = nullptr;
  int32_t downTag_ = 0;
};

}  // namespace wavora
