#include "media/slits_mapper.h"

#include <algorithm>

#include "media/slits_control_panel.h"
#include "media/wall_cell.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"

namespace wavora {

namespace {

// Rows first ... last of the screen's two columns, cut off at the grid's edges. A screen cell is a
// wall with no wave in it.
void Screen(TWaterGrid& grid, int32_t column, int64_t first, int64_t last) {
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, grid.Height() - 1);
  for (int32_t x = column; x <= column + 1 && x < grid.Width(); ++x) {
    for (int64_t y = first; y <= last; ++y)
      MakeWall(grid.Cell(x, static_cast<int32_t>(y)), true);
  }
}

}  // namespace

const TClassInfo& TSlitsRIMapper::StaticClassInfo() {
  using T = TSlitsRIMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TSlitsRIMapper", &TBaseRIMap::StaticClassInfo())
          .Texts(std::string(rs::Slits.english), std::string(rs::SlitsDescription.english))
          .Integer("Space", &T::GetSpace, &T::SetSpace, 40)
          .Integer("Number", &T::GetNumber, &T::SetNumber, 1)
          .Integer("Width", &T::GetWidth, &T::SetWidth, 15)
          .Build();
  return info;
}

void TSlitsRIMapper::Init() {
  TBaseRIMap::Init();
  SetWidth(15);
  SetSpace(40);
  SetNumber(1);
}

void TSlitsRIMapper::Store(int32_t& field, int32_t value, int32_t low, int32_t high) {
  value = std::clamp(value, low, high);
  if (value == field) return;
  field = value;
  MapToWater();
}

void TSlitsRIMapper::SetSpace(int32_t value) {
  Store(space_, value, 0, kMaxRows);
}

void TSlitsRIMapper::SetNumber(int32_t value) {
  Store(number_, value, 1, kMaxNumber);
}

void TSlitsRIMapper::SetWidth(int32_t value) {
  Store(width_, value, 0, kMaxRows);
}

void TSlitsRIMapper::MapToWater() {
  TBaseRIMap::MapToWater();
  if (!Grid()) return;
  TWaterGrid& grid = *Grid();
  const int32_t h = H();
  const int32_t column = W() / 4;
  int32_t w = width_, s = space_;
  const int32_t n = number_;
  // N slits and N - 1 bars; held to the panel's ranges, so at most 30 x 198 rows.
  int32_t extent = n * (w + s) - s;
  if (extent > h - 40 && extent > 0) {
    // Shrunk to leave 20 rows of screen at each end. A tank lower than that has no room: the
    // openings close instead of taking negative sizes.
    const double g = std::max(h - 40, 0) / static_cast<double>(extent);
    w = RoundHalfEven(w * g);
    s = RoundHalfEven(s * g);
    extent = n * (w + s) - s;
  }
  const int32_t top = (h - extent) / 2;
  Screen(grid, column, 0, top - 1);
  int64_t r = top;
  for (int32_t bar = 1; bar < n; ++bar) {
    r += w;
    Screen(grid, column, r, r + s - 1);
    r += s;
  }
  Screen(grid, column, static_cast<int64_t>(h) - top, h - 1);
}

std::unique_ptr<TControlPanelModel> TSlitsRIMapper::CreateControlPanel() {
  auto panel = std::make_unique<TSlitsControlPanel>();
  panel->Bind(this);
  return panel;
}

}  // namespace wavora
