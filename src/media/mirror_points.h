#pragma once

#include <cstdint>

#include "sim/pointer.h"
#include "sim/water_grid.h"

namespace wavora {

// Draws a curved mirror into the grid as a chain of points, each a 2 x 2 square of walls, inside a
// clipping rectangle (left and bottom rows included, right and top excluded).
class TMirrorPoints {
 public:
  struct TClip {
    int32_t left, bottom, right, top;
  };

  TMirrorPoints(TWaterGrid& grid, TClip clip, bool clearWave);

  // Walls at (x, y), (x + 1, y), (x, y + 1) and (x + 1, y + 1) when (x, y) is inside the clip.
  void Mark(int32_t x, int32_t y);
  // Starts a chain at p without marking it.
  void MoveTo(TPoint p) { previous_ = p; }
  // Marks the cells from the previous point up to, not including, p; p becomes the previous point.
  void LineTo(TPoint p);

 private:
  TWaterGrid& grid_;
  TClip clip_;
  bool clearWave_;
  TPoint previous_;
};

}  // namespace wavora
