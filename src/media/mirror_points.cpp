#include "media/mirror_points.h"

#include <algorithm>
#include <cstdlib>

#include "media/wall_cell.h"
#include "sim/rounding.h"

namespace wavora {

namespace {

// The clip held inside the grid, so the 2 x 2 square of a marked point is always in it (on the
// display shapes the clip lies well inside already).
TMirrorPoints::TClip InsideGrid(const TWaterGrid& grid, TMirrorPoints::TClip clip) {
  clip.left = std::max(clip.left, 0);
  clip.bottom = std::max(clip.bottom, 0);
  clip.right = std::min(clip.right, grid.Width() - 1);
  clip.top = std::min(clip.top, grid.Height() - 1);
  return clip;
}

}  // namespace

TMirrorPoints::TMirrorPoints(TWaterGrid& grid, TClip clip, bool clearWave)
    : grid_(grid), clip_(InsideGrid(grid, clip)), clearWave_(clearWave) {}

void TMirrorPoints::Mark(int32_t x, int32_t y) {
  if (x < clip_.left || x >= clip_.right || y < clip_.bottom || y >= clip_.top) return;
  MakeWall(grid_.Cell(x, y), clearWave_);
  MakeWall(grid_.Cell(x + 1, y), clearWave_);
  MakeWall(grid_.Cell(x, y + 1), clearWave_);
  MakeWall(grid_.Cell(x + 1, y + 1), clearWave_);
}

void TMirrorPoints::LineTo(TPoint p) {
  const int64_t dx = int64_t{p.x} - previous_.x;
  const int64_t dy = int64_t{p.y} - previous_.y;
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  for (int64_t i = 0; i < steps; ++i) {
    Mark(previous_.x + RoundHalfEven(double(i * dx) / double(steps)),
         previous_.y + RoundHalfEven(double(i * dy) / double(steps)));
  }
  previous_ = p;
}

}  // namespace wavora
