#pragma once

#include <cstdint>
#include <vector>

#include "sim/field_colour.h"
#include "sim/water_grid.h"

namespace wavora {

class TFastDIB;

// Working copies for the vector sweep: the heights of the previous step of three neighbouring
// columns, widened to double once for the three columns that read them, so that the column whose
// heights change first still lends its old ones to the next; the heights of the two columns just
// outside a run of columns, taken before any thread changes them; and the pixels of the columns
// not yet written to the image.
class TSweepScratch {
 public:
  static constexpr int kSlots = 3;

  void Resize(int32_t height);

  double* Heights(int32_t column) { return heights_.data() + Slot(column) * heightStride_; }
  double* LeftEdge() { return heights_.data() + kSlots * heightStride_; }
  double* RightEdge() { return heights_.data() + (kSlots + 1) * heightStride_; }
  // The pixels (as the image holds them: blue, green, red, 0xFF from the low byte up) of two tiles of kTile
  // columns, one run each: the tile being shaded and the one being written to the image in row order.
  static constexpr int kTile = 16;
  uint32_t* PixelTiles() { return pixels_.data(); }
  // Between the tiles' columns.
  size_t TileStride() const { return heightStride_; }

 private:
  static size_t Slot(int32_t column) { return static_cast<size_t>(column) % kSlots; }

  size_t heightStride_ = 0;
  std::vector<double> heights_;
  std::vector<uint32_t> pixels_;
};

// One run of columns first .. last - 1 (inside 1 .. W - 2) of one time step, with the image to
// write the new heights into when there is one (it has the grid's size).
struct TSweepRun {
  TWaterGrid* grid;
  int32_t first;
  int32_t last;
  TFastDIB* image;
  TFieldShade shade;
  TSweepScratch* scratch;
};

// The plain loops: every velocity of the run, then (once every run's velocities are done) every
// height. The reference every other path must match to the bit, and the path on processors
// without a vector path.
void PlainVelocitySweep(const TSweepRun& run);
void PlainHeightSweep(const TSweepRun& run);
// The image of the run's columns from the grid as it stands, without stepping (also VectorDraw*).
void PlainDraw(const TSweepRun& run);

// Both sweeps in one pass over the run, four rows at a time on vectors of doubles: velocities of
// column x, then heights of column x - 1. The caller first stores the edge heights
// (TakeEdgeHeights), so runs side by side may go at the same time.
void TakeEdgeHeights(const TSweepRun& run);
// The vector paths need x86-64. Clang before 15 refuses the 32-byte vectors the always-inlined
// helpers pass around in code built without AVX, so its builds take the plain path.
#if defined(__x86_64__) && !(defined(__clang__) && __clang_major__ < 15)
#define WAVORA_VECTOR_SWEEPS 1
#endif

#if defined(WAVORA_VECTOR_SWEEPS)
void VectorSweepSse2(const TSweepRun& run);
void VectorSweepAvx2(const TSweepRun& run);
void VectorDrawSse2(const TSweepRun& run);
void VectorDrawAvx2(const TSweepRun& run);
// Whether this processor runs the AVX2 path.
bool ProcessorHasAvx2();
#endif

}  // namespace wavora
