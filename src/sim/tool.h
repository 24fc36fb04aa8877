#pragma once

#include "sim/base_control.h"

namespace wavora {

// A measuring tool placed in a tank. Tools read only Displacement and never write to the grid.
class TBaseTool : public TBaseControl {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Tools draw their outline and handles in a dark blue, a pale lilac while selected.
  TColour HandleColour() const override;
  // The picture the tool class list gives its class.
  int ListImageIndex() const override;

  // Called once after every time step of the tank, after the source was applied.
  virtual void AfterStep() {}
};

}  // namespace wavora
