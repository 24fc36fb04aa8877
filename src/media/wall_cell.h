#pragma once

#include "sim/water_grid.h"

namespace wavora {

// A cell waves cannot enter: speed factor 0, so it never accelerates. With clearWave the wave left in
// it goes too; while the user holds a handle it stays, so the picture does not jump under the pointer.
inline void MakeWall(const TCellRef cell, bool clearWave) {
  cell.SpeedFactor = 0;
  if (clearWave) {
    cell.Displacement = 0;
    cell.Velocity = 0;
  }
}

}  // namespace wavora
