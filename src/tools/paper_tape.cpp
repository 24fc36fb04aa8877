#include "tools/paper_tape.h"

#include <algorithm>
#include <cmath>

#include "sim/rounding.h"

namespace wavora {

namespace {

constexpr int kGridTint = 25;

}  // namespace

int TPaperTape::WidthFor(int panelWidth, int panelHeight) {
  const int64_t wanted = int64_t{5} * std::max(panelWidth, 0);
  const int64_t byPixels = kMaxDibPixels / std::max(panelHeight, 1);
  const int64_t width = std::min({wanted, int64_t{kMaxDibSide}, byPixels});
  return static_cast<int>(width - width % kGridPeriod);
}

TColour TPaperTape::Shaded(TColour colour, int i) {
  const double d = kShadow - 1 - i;
  const double factor = 1 - 0.45 * d * d / 225;
  const auto channel = [factor](uint8_t c) {
    return static_cast<uint8_t>(std::clamp(RoundHalfEven(c * factor), 0, 255));
  };
  return RGB(channel(colour.red), channel(colour.green), channel(colour.blue));
}

void TPaperTape::SetSize(int width, int height) {
  if (width < 1 || height < 1) width = height = 0;
  image_.SetSize(width, height);
  values_.assign(size_t(std::max(width, 0)), 0.0f);
  Clear();
}

int TPaperTape::Wrapped(int column) const {
  const int width = Width();
  return ((column % width) + width) % width;
}

void TPaperTape::BlankColumn(int x) {
  const int H = Height();
  x = Wrapped(x);
  const auto grain = [this] {
    return std::clamp(RoundHalfEven(std::min(grain_(random_), 255.0)), kGridTint, 255);
  };
  const auto tinted = [](int v) { return RGB(uint8_t(v - kGridTint), uint8_t(v - kGridTint), uint8_t(v)); };
  if (++paperCounter_ >= kGridPeriod) {
    paperCounter_ = 0;
    for (int y = 0; y < H; ++y)
      image_.SetPixel(x, y, tinted(grain()));
  } else {
    // Grid rows every 20 rows, counted from the bottom so that they sit evenly about the middle.
    int rowCounter = 18 - (H % kGridPeriod) / 2;
    for (int y = H - 1; y >= 0; --y) {
      const int v = grain();
      if (++rowCounter >= kGridPeriod) {
        rowCounter = 0;
        image_.SetPixel(x, y, tinted(v));
      } else {
        image_.SetPixel(x, y, RGB(uint8_t(v), uint8_t(v), uint8_t(v)));
      }
    }
  }
  for (int i = 0; i < std::min(kShadow, H); ++i)
    image_.SetPixel(x, i, Shaded(image_.Pixel(x, i), i));
}

void TPaperTape::Clear() {
  writeColumn_ = 0;
  written_ = 0;
  penRow_ = Height() / 2;
  if (IsEmpty()) return;
  // Column 0 becomes a grid column; the columns blanked ahead of the pen continue the grid.
  paperCounter_ = kGridPeriod - 1;
  for (int x = 0; x < Width(); ++x)
    BlankColumn(x);
  paperCounter_ = kGridPeriod - 5;
}

void TPaperTape::Advance(float v, int gain) {
  if (IsEmpty()) return;
  const int H = Height();
  writeColumn_ = writeColumn_ - 1 < 0 ? Width() - 1 : writeColumn_ - 1;
  BlankColumn(writeColumn_ - kLead);
  // Rows count from the top, so positive displacement is written below the middle.
  const double half = (H - 2) / 2.0;
  const double scale = half / 3.5 * gain;
  const int row = std::min(std::max(RoundHalfEven(v * scale + half), 5), H - 2);
  image_.Line(writeColumn_ + 1, penRow_, writeColumn_, row, RGB(0, 0, 0));
  penRow_ = row;
  values_[size_t(writeColumn_)] = v;
  written_ = std::min(written_ + 1, Width());
}

int TPaperTape::ColumnsWritten() const {
  return std::min(written_, std::max(Width() - kLead - 1, 0));
}

TFastDIB TPaperTape::Unrolled() const {
  TFastDIB unrolled(Width(), Height());
  const int c = writeColumn_;
  unrolled.CopyRect(0, 0, image_, c, 0, Width() - c, Height());
  unrolled.CopyRect(Width() - c, 0, image_, 0, 0, c, Height());
  return unrolled;
}

}  // namespace wavora
