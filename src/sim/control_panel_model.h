#pragma once

namespace wavora {

// The state and handlers of an object's control panel, without any widgets: the user interface shows
// a model through a view found by the model's type. Whoever asked for the panel owns it; the panel
// refers to its object without owning it.
class TControlPanelModel {
 public:
  TControlPanelModel() = default;
  TControlPanelModel(const TControlPanelModel&) = delete;
  TControlPanelModel& operator=(const TControlPanelModel&) = delete;
  virtual ~TControlPanelModel() = default;
};

}  // namespace wavora
