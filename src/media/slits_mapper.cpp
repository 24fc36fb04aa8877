#include "media/slits_mapper.h"

#include <algorithm>
#include <cmath>

#include "media/slits_control_panel.h"
#include "media/wall_cell.h"
#include "sim/general_exciter.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/theory_physics.h"
#include "sim/water.h"

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

TSlitsRIMapper::TGrating TSlitsRIMapper::Grating() const {
  const int32_t h = H();
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
  return {w, s, extent, (h - extent) / 2};
}

void TSlitsRIMapper::MapToWater() {
  TBaseRIMap::MapToWater();
  if (!Grid()) return;
  TWaterGrid& grid = *Grid();
  const int32_t h = H();
  const int32_t column = W() / 4;
  const TGrating grating = Grating();
  Screen(grid, column, 0, grating.top - 1);
  int64_t r = grating.top;
  for (int32_t bar = 1; bar < number_; ++bar) {
    r += grating.w;
    Screen(grid, column, r, r + grating.s - 1);
    r += grating.s;
  }
  Screen(grid, column, static_cast<int64_t>(h) - grating.top, h - 1);
}

void TSlitsRIMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const TGeneralExciter* source = TankSource(tank);
  const TGrating grating = Grating();
  if (!source || grating.w <= 0 || W() < 8) return;
  const double wavelength = source->GetWavelength();
  // The waves leave the screen's right face, from the middle row the grating is centred on.
  const TTheoryPoint centre{W() / 4 + 2.0, (H() - 1) / 2.0};
  const double far = W() - 1 - centre.x;
  // A line from the centre at angle theta (upward positive), labelled at 60 % of the way to the edge.
  const auto direction = [&](double theta, std::string text) {
    const double c = std::cos(theta), s = std::sin(theta);
    const double reach = 2.0 * (W() + H());
    figure.lines.push_back({centre.x, centre.y, centre.x + reach * c, centre.y + reach * s});
    const double toEdge = std::min(far / c, s == 0 ? reach : (H() / 2.0 - 4) / std::abs(s));
    figure.labels.push_back({centre.x + 0.6 * toEdge * c, centre.y + 0.6 * toEdge * s, std::move(text)});
  };
  const auto degrees = [](double theta) { return ReadoutNumber(Degrees(std::abs(theta)), 1) + "\u00b0"; };
  // Bars of no rows leave one opening of all the slits together.
  const bool separateSlits = number_ > 1 && grating.s > 0;
  if (!separateSlits) {
    const double sine = wavelength / grating.extent;
    if (sine >= 1) return;
    for (const double theta : {std::asin(sine), -std::asin(sine)})
      direction(theta, rs::TheoryFirstMinimum.Str() + " " + degrees(theta));
    return;
  }
  const double d = grating.w + grating.s;
  constexpr int kMaxOrder = 6;
  for (int m = -kMaxOrder; m <= kMaxOrder; ++m) {
    const double sine = m * wavelength / d;
    if (std::abs(sine) >= 1) continue;
    const double theta = std::asin(sine);
    direction(theta, "m=" + std::to_string(m) + " " + degrees(theta));
  }
  // The bright fringes m = 0 and m = 1 apart on a line across the tank near its far side, L tan(theta1)
  // at distance L from the slits: what a ruler laid there between the two fringes reads.
  const double across = W() - 20.0;
  const double spacing = (across - centre.x) * std::tan(std::asin(wavelength / d));
  if (wavelength < d && spacing < H() / 2.0 - 10)
    figure.labels.push_back({across, centre.y + spacing / 2,
                             rs::TheoryFringeSpacing.Str() + " " + ReadoutNumber(spacing, 1) + "mm"});
}

std::unique_ptr<TControlPanelModel> TSlitsRIMapper::CreateControlPanel() {
  auto panel = std::make_unique<TSlitsControlPanel>();
  panel->Bind(this);
  return panel;
}

}  // namespace wavora
