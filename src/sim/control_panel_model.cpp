#include "sim/control_panel_model.h"

#include <algorithm>
#include <utility>

namespace wavora {

std::vector<TPanelControl> TControlPanelModel::Controls() const {
  std::vector<TPanelControl> controls = OwnControls();
  for (const TSubPanel& sub : subPanels_) {
    for (TPanelControl& control : sub.panel->Controls()) {
      control.id = sub.name + "." + control.id;
      controls.push_back(std::move(control));
    }
  }
  return controls;
}

TChangeResult TControlPanelModel::Change(std::string_view id, int32_t value) {
  for (const TSubPanel& sub : subPanels_) {
    if (id.size() > sub.name.size() && id.starts_with(sub.name) && id[sub.name.size()] == '.')
      return sub.panel->Change(id.substr(sub.name.size() + 1), value);
  }
  const std::vector<TPanelControl> controls = OwnControls();
  const auto control = std::find_if(controls.begin(), controls.end(),
                                    [id](const TPanelControl& each) { return each.id == id; });
  if (control == controls.end()) return TChangeResult::UnknownControl;
  const TChangeResult refusal = Refusal(*control, value);
  return refusal == TChangeResult::Done ? ApplyChange(*control, value) : refusal;
}

void TControlPanelModel::AddSubPanel(std::string name, TControlPanelModel& panel) {
  subPanels_.push_back({std::move(name), &panel});
}

}  // namespace wavora
