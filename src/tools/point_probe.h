#pragma once

#include "sim/base_control.h"

namespace wavora {

// The displacement of the cell under a point tool's handle (X1, Y1); 0 while the tool has no grid.
// Point tools read only this one cell.
inline float ProbeDisplacement(const TBaseControl& tool) {
  const TWaterGrid* grid = tool.Grid().get();
  const TPoint p = tool.Point1();
  return grid && grid->Contains(p.x, p.y) ? grid->Cell(p.x, p.y).Displacement : 0.0f;
}

}  // namespace wavora
