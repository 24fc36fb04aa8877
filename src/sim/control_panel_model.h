#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/panel_controls.h"

namespace wavora {

// The state and handlers of an object's control panel, without any widgets: the user interface shows
// a model through a view found by the model's type. Whoever asked for the panel owns it; the panel
// refers to its object without owning it.
//
// Every panel also describes its controls and takes a change of one by id, so that a shell which does
// not know the panel's class can show it. A change runs the same handler the panel's own view calls.
class TControlPanelModel {
 public:
  TControlPanelModel() = default;
  TControlPanelModel(const TControlPanelModel&) = delete;
  TControlPanelModel& operator=(const TControlPanelModel&) = delete;
  virtual ~TControlPanelModel() = default;

  // Every control as it is now, in the order the panel shows them, those of panels inside it last.
  std::vector<TPanelControl> Controls() const;
  // Presses, chooses or sets the control: value is a group item's value or a slider position, and
  // is ignored by buttons and menu entries. A change the control refuses changes nothing.
  TChangeResult Change(std::string_view id, int32_t value);

 protected:
  // The panel's own controls, without those of panels inside it.
  virtual std::vector<TPanelControl> OwnControls() const = 0;
  // Runs the handler of one of OwnControls, which has taken the value. Panels that only show take none.
  virtual TChangeResult ApplyChange(const TPanelControl&, int32_t) { return TChangeResult::ReadOnly; }
  // A panel shown inside this one (a member of this panel, so it lives as long), whose controls are
  // listed and changed under "name.".
  void AddSubPanel(std::string name, TControlPanelModel& panel);

 private:
  struct TSubPanel {
    std::string name;
    TControlPanelModel* panel;
  };
  std::vector<TSubPanel> subPanels_;
};

}  // namespace wavora
