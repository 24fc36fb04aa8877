#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/held_panel.h"

namespace wavora {

class TControlPanelTool;
class TFastDIB;
class TWater;

// The panels of the current tank's panel tools, in the frame under the tank, one shown at a time.
class TToolPanels {
 public:
  // holder: the frame under the tank (not owned); shown: told after each change whether a panel shows
  // (the window shows the info sheet while none does).
  TToolPanels(QWidget& holder, std::function<void(bool)> shown);

  // Makes the panels of tank's panel tools, unless those it holds are theirs already.
  void Follow(const TWater* tank);
  // Shows the panel of the tool (0: none, and the info sheet instead).
  void Show(int32_t toolID);
  // The active tool's panel shows what the tool measured this frame.
  void Update(TControlPanelTool& tool);
  // A panel redraws its picture for the object list.
  void Refresh(int32_t toolID);
  // The picture of the tool's panel, for its item in the object list; null without one.
  TFastDIB* SnapshotImageOf(int32_t toolID) const;
  // Lets go of every panel, before the objects they show go.
  void Clear();

 private:
  QWidget& holder_;
  std::function<void(bool)> shown_;
  std::vector<THeldPanel> panels_;
  int32_t tankID_ = -1;  // the tank the panels are of
};

}  // namespace wavora
