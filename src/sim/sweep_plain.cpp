#include "image/fast_dib.h"
#include "sim/cell_step.h"
#include "sim/sweep_kernels.h"

namespace wavora {

void PlainVelocitySweep(const TSweepRun& run) {
  TWaterGrid& grid = *run.grid;
  const int32_t h = grid.Height();
  // Only velocities change, so every Laplacian reads the heights of the previous step.
  for (int32_t x = run.first; x < run.last; ++x) {
    const TWaterCell* left = grid.Column(x - 1);
    TWaterCell* column = grid.Column(x);
    const TWaterCell* right = grid.Column(x + 1);
    for (int32_t y = 1; y < h - 1; ++y) {
      column[y].Velocity = static_cast<float>(NewVelocity<double>(
          left[y].Displacement, column[y - 1].Displacement, right[y].Displacement, column[y + 1].Displacement,
          column[y].Displacement, column[y].SpeedFactor, column[y].Velocity));
    }
  }
}

void PlainHeightSweep(const TSweepRun& run) {
  TWaterGrid& grid = *run.grid;
  const int32_t h = grid.Height();
  // Buffer row y of the image is grid row y.
  for (int32_t x = run.first; x < run.last; ++x) {
    TWaterCell* column = grid.Column(x);
    for (int32_t y = 1; y < h - 1; ++y) {
      TWaterCell& cell = column[y];
      cell.Displacement = ClippedHeight(
          static_cast<float>(NewHeight<double>(cell.Displacement, cell.Velocity, cell.Damping)));
      if (run.image)
        ShadeCell(run.image->Row(y) + 3 * static_cast<size_t>(x), cell.Displacement, cell.SpeedFactor,
                  run.shade);
    }
  }
}

void PlainDraw(const TSweepRun& run) {
  const TWaterGrid& grid = *run.grid;
  for (int32_t y = 1; y < grid.Height() - 1; ++y) {
    uint8_t* row = run.image->Row(y);
    for (int32_t x = run.first; x < run.last; ++x) {
      const TWaterCell& cell = grid.Cell(x, y);
      ShadeCell(row + 3 * static_cast<size_t>(x), cell.Displacement, cell.SpeedFactor, run.shade);
    }
  }
}

}  // namespace wavora
