#pragma once

#include <memory>
#include <string>

#include "../sim/saved_tank.h"
#include "media_test_tank.h"
#include "model/node_files.h"
#include "model/stream.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora::test {

// The panel the object opens, as its concrete model (none when it is another kind).
template <class TPanel>
std::unique_ptr<TPanel> PanelOf(TBaseWaterObject& object) {
  return std::unique_ptr<TPanel>(dynamic_cast<TPanel*>(object.CreateControlPanel().release()));
}

// Whether two grids hold the same medium, cell for cell and bit for bit.
inline bool SameMedium(const TWaterGrid& a, const TWaterGrid& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int32_t x = 0; x < a.Width(); ++x) {
    for (int32_t y = 0; y < a.Height(); ++y) {
      const TConstCellRef p = a.Cell(x, y);
      const TConstCellRef q = b.Cell(x, y);
      if (p.SpeedFactor != q.SpeedFactor || p.Damping != q.Damping) return false;
    }
  }
  return true;
}

}  // namespace wavora::test
