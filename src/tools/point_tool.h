#pragma once

#include "sim/control_panel_tool.h"

namespace wavora {

// A panel tool that reads the field at one point: its one handle (point 1), placed on any cell and
// saved as X1Percent and Y1Percent, marked with a cross. After every step it hands the displacement
// under the handle to Sample.
class TPointTool : public TControlPanelTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The point does not snap to the grid.
  void Init() override;
  int32_t HandleKind() const override { return 1; }
  void Draw(TFastDIB& image) override;
  void AfterStep() final { Sample(Displacement()); }

 protected:
  // The displacement of the cell under the handle; 0 while the tool has no grid. Point tools read
  // only this one cell.
  float Displacement() const;
  virtual void Sample(float displacement) = 0;
};

}  // namespace wavora
