#pragma once

#include <random>
#include <vector>

#include "image/fast_dib.h"
#include "sim/random_numbers.h"

namespace wavora {

// The paper of the tape logger: a ring-shaped strip of chart paper the pen writes on from right to
// left, one column at a time, each column holding 10 ms of tape time. Blank columns have a faint
// grain, a grid line every 20 columns and every 20 rows, and a shadow under the top edge.
class TPaperTape {
 public:
  // Columns ahead of the pen that are kept blank.
  static constexpr int kLead = 15;
  static constexpr int kGridPeriod = 20;

  // Width for a panel of width W: five panel widths in whole grid periods, within the image limits.
  static int WidthFor(int panelWidth, int panelHeight);

  // Resizes and clears. Sizes the image cannot take give an empty tape.
  void SetSize(int width, int height);
  // Blanks every column, puts the pen at column 0 and mid-height.
  void Clear();
  // Moves the pen one column on and writes value v (displacement) with the gain: the line from the
  // pen's last row to row round(v * (H - 2) / 2 / 3.5 * gain + (H - 2) / 2), kept in 5 ... H - 2.
  void Advance(float v, int gain);

  const TFastDIB& Image() const { return image_; }
  int Width() const { return image_.Width(); }
  int Height() const { return image_.Height(); }
  bool IsEmpty() const { return image_.IsEmpty(); }
  int WriteColumn() const { return writeColumn_; }
  int PenRow() const { return penRow_; }
  // The column's logged displacement; valid for the newest ColumnsWritten() columns.
  float ValueAt(int column) const { return values_[size_t(column)]; }
  // Columns written since the last clear that the paper still shows, newest at the write column.
  int ColumnsWritten() const;
  // The tape from the newest trace at the left to the blank stretch ahead of the pen at the right.
  TFastDIB Unrolled() const;

  // The colour in the shadow of an edge, i = 0 ... 15 pixels from it: each channel times
  // 1 - 0.45 (15 - i)^2 / 225, rounded.
  static TColour Shaded(TColour colour, int i);
  static constexpr int kShadow = 16;

 private:
  void BlankColumn(int x);
  int Wrapped(int column) const;

  TFastDIB image_;
  std::vector<float> values_;
  int paperCounter_ = 0;
  int penRow_ = 0;
  int writeColumn_ = 0;
  int written_ = 0;
  std::mt19937 random_;
  TNormalNumbers grain_{245, 4};
};

}  // namespace wavora
