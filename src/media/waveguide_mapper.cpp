#include "media/waveguide_mapper.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/boundary_theory.h"
#include "media/fiber_control_panel.h"
#include "media/wall_cell.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"

namespace wavora {

namespace {

constexpr TColour kCurveHandleColour = RGB(185, 12, 24);
constexpr int32_t kDragMargin = 6;

// Speed factor of rows centre - reach ... centre + reach of one column, cut off at the grid's edges.
// The wave in them is kept.
void SetSpeedAcross(const TColumn column, int32_t height, int64_t centre, int64_t reach, float speed) {
  const int64_t low = std::max<int64_t>(centre - reach, 0);
  const int64_t high = std::min<int64_t>(centre + reach, height - 1);
  for (int64_t y = low; y <= high; ++y)
    column[y].SpeedFactor = speed;
}

// The straight entry's length and the column where the curve starts, in a tank w cells wide.
int32_t StraightLength(int32_t w) {
  return RoundHalfEven(0.22 * w);
}
int32_t CurveStart(int32_t w) {
  return RoundHalfEven(1.05 * StraightLength(w));
}

// Where the theory overlay shows the critical angle: a few columns into the curve, where the fibre
// still runs level with open water above it.
constexpr int32_t kWallPointIntoCurve = 3;
constexpr double kCriticalRayLength = 50;

}  // namespace

const TClassInfo& TSimpleWaveGuideRIMapper::StaticClassInfo() {
  using T = TSimpleWaveGuideRIMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TSimpleWaveGuideRIMapper", &TOwnHandlesRIMapper::StaticClassInfo())
          .Texts(std::string(rs::FibreOptic.english), std::string(rs::FibreOpticDescription.english))
          .Single("n", &T::GetN, &T::SetN)
          .Single("X3Percent", &T::GetX3Percent, &T::SetX3Percent)
          .Single("Y3Percent", &T::GetY3Percent, &T::SetY3Percent)
          .Integer("FibreWidth", &T::GetFibreWidth, &T::SetFibreWidth, 30)
          .Build();
  return info;
}

void TSimpleWaveGuideRIMapper::Init() {
  TOwnHandlesRIMapper::Init();
  SetN(0.44f);
  SetFibreWidth(30);
  SetX3Percent(57.0f);
  SetY3Percent(32.0f);
}

void TSimpleWaveGuideRIMapper::SetFibreWidth(int32_t value) {
  fibreWidth_ = value;
  MapToWater();
}

void TSimpleWaveGuideRIMapper::MapToWater() {
  TOwnHandlesRIMapper::MapToWater();
  if (!Grid() || !Grid()->HasInterior()) return;
  TWaterGrid& grid = *Grid();
  const int32_t w = W(), h = H();

  // The handle lives in the lower right quarter (row 0 is the bottom row).
  if (X3 < w / 2) X3 = w / 2;
  if (Y3 > h / 2) Y3 = h / 2;
  const double a = (X3 - w / 2.0) / (w / 2.0);  // 0 at the centre, toward 1 at the right edge
  const double b = Y3 / (h / 2.0);              // 1 at the middle row, 0 at the bottom
  const int32_t straight = StraightLength(w);
  const int32_t curveStart = CurveStart(w);
  const double omega = 2.3 / straight * (2 - a) * 0.5;  // radians per column of the curve

  // Bands across the fibre: the cladding value sc out to hw = fw div 2 from the axis, three quarters
  // of it within hw - e (e = fw div 8), half of it within q = fw div 4.
  const float sc = MediumSpeedFactor();
  const float middle = static_cast<float>(0.75 * sc);
  const float core = static_cast<float>(0.5 * sc);
  const int64_t hw = fibreWidth_ / 2, e = fibreWidth_ / 8, q = fibreWidth_ / 4;
  const int32_t lastColumn = w - 1;

  // Entry: a wall along the left side with the straight fibre through it, opened by a funnel that
  // blocks more of a row the farther the row lies from the axis.
  const int32_t border = BorderWidth(w, h);
  const int32_t funnelDepth = straight - (2 * (straight - border)) / 8;
  const int32_t axisRow = RoundHalfEven(0.5 * h);
  const int32_t wallLimit = RoundHalfEven(0.1 * w) + 5;
  for (int32_t y = 0; y < h; ++y) {
    const int64_t d = std::abs(static_cast<int64_t>(y) - axisRow);
    if (d > hw) {
      const int32_t limit = std::min(d > hw + 2 ? wallLimit : straight, lastColumn);
      for (int32_t x = 0; x <= limit; ++x)
        MakeWall(grid.Cell(x, y), true);
      continue;
    }
    // Rows within q of the axis have no funnel cells. Every other fibre row has d >= 1, so hw >= 1
    // there and the funnel's division is safe even for the narrowest fibre.
    float speed = core;
    int64_t blocked = 0;
    if (d > q) {
      speed = d > hw - e ? sc : middle;
      blocked = RoundHalfEven(static_cast<double>(d) * funnelDepth / static_cast<double>(hw));
    }
    const int32_t limit = std::min(curveStart, lastColumn);
    for (int32_t x = 0; x <= limit; ++x) {
      const TCellRef cell = grid.Cell(x, y);
      if (x < blocked) {
        MakeWall(cell, true);
      } else {
        cell.SpeedFactor = speed;
      }
    }
  }

  // Curve: the axis starts on the middle row and swings down by up to twice the amplitude; three
  // passes lay the cladding, then the middle band, then the core over it. The wave is kept.
  const double amplitude = (1 - b) * w / 12;
  const int32_t baseRow = RoundHalfEven(h / 2.0 - amplitude);
  const auto axisAt = [&](int32_t i) {
    return RoundHalfEven(baseRow - std::cos(i * omega + std::numbers::pi) * amplitude);
  };
  const struct {
    int64_t reach;
    float speed;
  } passes[] = {{hw, sc}, {hw - e, middle}, {q, core}};
  for (const auto& pass : passes) {
    for (int32_t x = curveStart; x <= lastColumn; ++x)
      SetSpeedAcross(grid.Column(x), h, axisAt(x - curveStart), pass.reach, pass.speed);
  }
}

void TSimpleWaveGuideRIMapper::DragHandle(int32_t X, int32_t Y) {
  // max before min: on a grid narrower than the margins the point ends at the upper bound.
  const int32_t x = std::min(std::max(X, kDragMargin), W() - kDragMargin);
  const int32_t y = std::min(std::max(H() - 1 - Y, kDragMargin), H() - kDragMargin);
  SetPoint3({x, y});
  MapToWater();
}

void TSimpleWaveGuideRIMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  if (W() <= 0 || H() <= 0) return;
  const int32_t x = CurveStart(W()) + kWallPointIntoCurve;
  if (x >= W() - 1) return;
  // Up from the middle row through the fibre's slower bands to the first cell of open water: the wall.
  const double inside = WaveSpeedAt(tank, x, H() / 2);
  int32_t row = H() / 2;
  while (row < H() - 2 && WaveSpeedAt(tank, x, row + 1) < kOpenWaveSpeed)
    ++row;
  const double rim = WaveSpeedAt(tank, x, row);
  const double outside = WaveSpeedAt(tank, x, row + 1);
  const std::optional<double> critical = CriticalAngle(rim, outside);
  if (inside <= 0 || !critical) return;
  // A ray inside the fibre that meets the level wall at the critical angle from its normal, and the
  // ray it is reflected into.
  const TTheoryPoint wall{double(x), row + 0.5};
  const double along = std::sin(*critical) * kCriticalRayLength;
  const double across = std::cos(*critical) * kCriticalRayLength;
  AddLine(figure, {wall.x - along, wall.y - across}, wall);
  AddLine(figure, wall, {wall.x + along, wall.y - across});
  AddLine(figure, {wall.x, wall.y - kCriticalRayLength}, {wall.x, wall.y + kCriticalRayLength / 2}, true);
  AddLabel(figure, {wall.x - along, wall.y - across}, AngleLabel(rs::CriticalAngleMark, *critical));
}

TColour TSimpleWaveGuideRIMapper::HandleColour() const {
  return kCurveHandleColour;
}

std::unique_ptr<TControlPanelModel> TSimpleWaveGuideRIMapper::CreateControlPanel() {
  auto panel = std::make_unique<TFiberControlPanel>();
  panel->Bind(this);
  return panel;
}

}  // namespace wavora
