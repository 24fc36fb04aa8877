#include "image/fast_dib.h"
#include "sim/cell_step.h"
#include "sim/sweep_kernels.h"

namespace wavora {

void PlainVelocitySweep(const TSweepRun& run) {
  TWaterGrid& grid = *run.grid;
  const int32_t h = grid.Height();
  // Only velocities change, so every Laplacian reads the heights of the previous step.
  for (int32_t x = run.first; x < run.last; ++x) {
    const float* left = grid.Displacements(x - 1);
    const float* heights = grid.Displacements(x);
    const float* right = grid.Displacements(x + 1);
    const float* speedFactors = grid.SpeedFactors(x);
    float* velocities = grid.Velocities(x);
    for (int32_t y = 1; y < h - 1; ++y) {
      velocities[y] = static_cast<float>(NewVelocity<double>(
          left[y], heights[y - 1], right[y], heights[y + 1], heights[y], speedFactors[y], velocities[y]));
    }
  }
}

void PlainHeightSweep(const TSweepRun& run) {
  TWaterGrid& grid = *run.grid;
  const int32_t h = grid.Height();
  // Grid row y is image row h − 1 − y from the top.
  for (int32_t x = run.first; x < run.last; ++x) {
    const TColumn column = grid.Column(x);
    for (int32_t y = 1; y < h - 1; ++y) {
      const TCellRef cell = column[y];
      cell.Displacement = ClippedHeight(
          static_cast<float>(NewHeight<double>(cell.Displacement, cell.Velocity, cell.Damping)));
      if (run.image)
        ShadeCell(run.image->Row(h - 1 - y) + TFastDIB::kBytesPerPixel * static_cast<size_t>(x),
                  cell.Displacement, cell.SpeedFactor, run.shade);
    }
  }
}

void PlainDraw(const TSweepRun& run) {
  const TWaterGrid& grid = *run.grid;
  const int32_t h = grid.Height();
  for (int32_t y = 1; y < h - 1; ++y) {
    uint8_t* row = run.image->Row(h - 1 - y);
    for (int32_t x = run.first; x < run.last; ++x) {
      const TConstCellRef cell = grid.Cell(x, y);
      ShadeCell(row + TFastDIB::kBytesPerPixel * static_cast<size_t>(x), cell.Displacement, cell.SpeedFactor,
                run.shade);
    }
  }
}

}  // namespace wavora
