#include "media/earth_mapper.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "media/boundary_theory.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr float kEarthDamping = 0.8f;
constexpr float kAbsorbingDamping = 0.5f;

// The atmosphere scenes: the Earth's centre at (W div 16, 0), near the bottom left corner.
struct TAtmosphere {
  explicit TAtmosphere(int32_t w, int32_t h)
      : centreX(w / 16),
        thickness(0.24 * std::max(w, h)),
        radius(std::sqrt(double(w) * w + double(h) * h) / 2.2) {}
  int32_t centreX;
  double thickness;  // D
  double radius;     // R
};

// The interior scenes: the Earth against the left side, vertically centred.
struct TInterior {
  explicit TInterior(int32_t w, int32_t h)
      : radius(0.4 * std::min(w, h)), centreX(0.1 * w + radius), centreY(h / 2) {}
  double radius;  // R'
  double centreX;
  int32_t centreY;
};

// Speed factor of a layer inside the Earth at relative radius rho < 1 (v = 0.3); the outer core of
// the S-wave scene also absorbs, since S-waves do not cross liquid.
void SetLayer(const TCellRef cell, double rho, bool sWaves) {
  constexpr double v = 0.3;
  double speed;
  if (rho < 0.15) {
    speed = sWaves ? 0.43 * v : 0.75 * v;
  } else if (rho < 0.52) {
    if (sWaves) {
      speed = 0.25;
      cell.Damping = kAbsorbingDamping;
    } else {
      speed = 0.66 * v - 0.16 * v * (rho - 0.15) / 0.37;
    }
  } else if (rho < 0.88) {
    speed = sWaves ? v - 0.14 * v * (rho - 0.52) / 0.36 : v - 0.25 * v * (rho - 0.52) / 0.36;
  } else {
    speed = sWaves ? 0.86 * v - 0.57 * v * (rho - 0.88) / 0.12 : 0.75 * v - 0.25 * v * (rho - 0.88) / 0.12;
  }
  cell.SpeedFactor = static_cast<float>(speed);
}

// Reflection: a uniform atmosphere; otherwise one growing faster with height.
void MapAtmosphere(TWaterGrid& grid, const TAtmosphere& earth, bool reflection) {
  const int32_t W = grid.Width();
  const int32_t H = grid.Height();
  const double ground = reflection ? 0.3 : 0.25;
  const double top = reflection ? 0.3 : 0.4;
  const double gradient = (top - ground) / earth.thickness;
  const double r = earth.radius;
  for (int32_t x = 0; x < W; ++x) {
    const TColumn column = grid.Column(x);
    const double dx = x - earth.centreX;
    for (int32_t y = 0; y < H; ++y) {
      const TCellRef cell = column[y];
      const double d = std::sqrt(dx * dx + double(y) * y);
      if (d >= r + earth.thickness) continue;  // space: the open tank
      if (d >= r) {
        cell.SpeedFactor = static_cast<float>(ground + (d - r) * gradient);
        continue;
      }
      // The ground: its surface layer (as thick as the cell's damping, so one cell inside the tank
      // and thinner in the absorbing border) takes the ground value, deeper it slows toward the centre.
      if (d >= r - cell.Damping) {
        cell.SpeedFactor = static_cast<float>(ground);
      } else {
        cell.SpeedFactor = static_cast<float>((0.45 * ground - 0.0001) * d / r + 0.0001);
      }
      cell.Damping = kEarthDamping;
    }
  }
}

void MapInterior(TWaterGrid& grid, const TInterior& earth, bool sWaves) {
  const int32_t W = grid.Width();
  const int32_t H = grid.Height();
  for (int32_t x = 0; x < W; ++x) {
    const TColumn column = grid.Column(x);
    const double dx = x - earth.centreX;
    for (int32_t y = 0; y < H; ++y) {
      const TCellRef cell = column[y];
      const double dy = y - earth.centreY;
      const double rho = std::sqrt(dx * dx + dy * dy) / earth.radius;
      if (rho >= 1) {
        cell.Damping = kAbsorbingDamping;  // outside: the waves die quickly
      } else {
        SetLayer(cell, rho, sWaves);
      }
    }
  }
}

// A ray is followed in steps of one cell for at most this many steps, and drawn a segment per few steps.
constexpr int32_t kRaySteps = 2000;
constexpr int32_t kStepsPerSegment = 4;
// Cells damped below this absorb the waves (ground, the S-waves' outer core, space round the interior).
constexpr float kAbsorbing = 0.9f;

// Follows a ray through layers round centre. In layers that depend only on the distance r from the
// centre, Snell's law at every change of speed keeps p = r sin(i) / c (i the angle from the radius):
// each step turns the direction to the angle that keeps p; where sin(i) would exceed 1 the ray turns
// back (total reflection, or the bottom of a curved path).
void TraceLayeredRay(const TWater& tank, TTheoryPoint centre, TTheoryRay ray, TTheoryFigure& figure) {
  const TWaterGrid& grid = *tank.Grid();
  const auto radial = [&](TTheoryPoint at) { return TTheoryPoint{at.x - centre.x, at.y - centre.y}; };
  const auto cross = [](TTheoryPoint a, TTheoryPoint b) { return a.x * b.y - a.y * b.x; };
  // The speed one step in: a source on the Earth's surface stands on its last cell or just outside.
  const TTheoryPoint first = Along(ray, 1);
  const double speed = WaveSpeedAt(tank, first.x, first.y);
  if (speed <= 0) return;
  const double p = cross(radial(ray.start), ray.direction) / speed;
  TTheoryPoint at = ray.start, drawnTo = ray.start, direction = ray.direction;
  for (int32_t step = 1; step <= kRaySteps; ++step) {
    at = {at.x + direction.x, at.y + direction.y};
    const int32_t x = RoundHalfEven(at.x), y = RoundHalfEven(at.y);
    const bool ends =
        !grid.Contains(x, y) || grid.Cell(x, y).Damping < kAbsorbing || WaveSpeedAt(tank, at.x, at.y) <= 0;
    if (ends || step % kStepsPerSegment == 0) {
      AddLine(figure, drawnTo, at);
      drawnTo = at;
    }
    if (ends) return;
    const TTheoryPoint r = radial(at);
    const double length = std::hypot(r.x, r.y);
    if (length < 1) continue;
    const TTheoryPoint e{r.x / length, r.y / length};
    const double sine = p * WaveSpeedAt(tank, at.x, at.y) / length;
    if (std::abs(sine) > 1) {
      direction = ReflectedDirection(direction, e);
      continue;
    }
    const double outward = Dot(direction, e) < 0 ? -1 : 1;
    const double cosine = std::sqrt(1 - sine * sine);
    direction = {sine * -e.y + outward * cosine * e.x, sine * e.x + outward * cosine * e.y};
  }
}

}  // namespace

void TEarthRIMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  TModeRIMapper::AddTheory(tank, figure);
  const TGeneralExciter* source = TankSource(tank);
  if (!source || !tank.Grid() || W() <= 0 || H() <= 0) return;
  const TTheoryPoint place = SourcePlace(*source);
  const int32_t mode = GetMode();
  if (mode == Reflection || mode == Refraction) {
    // Rays along the beam, across the middle of the atmosphere and either side of it.
    const TTheoryPoint centre{double(TAtmosphere(W(), H()).centreX), 0};
    for (const double offset : {-30.0, 0.0, 30.0})
      TraceLayeredRay(tank, centre, {{place.x, place.y + offset}, {1, 0}}, figure);
  } else if (mode == PWaves || mode == SWaves) {
    // Rays from the source into the Earth, fanned about the way down.
    const TInterior earth(W(), H());
    for (const double degrees : {-60.0, -40.0, -20.0, 20.0, 40.0, 60.0}) {
      const double a = degrees * std::numbers::pi / 180;
      TraceLayeredRay(tank, {earth.centreX, double(earth.centreY)}, {place, {std::sin(a), -std::cos(a)}},
                      figure);
    }
  }
}

const TClassInfo& TEarthRIMapper::StaticClassInfo() {
  using T = TEarthRIMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TEarthRIMapper", &TModeRIMapper::StaticClassInfo())
          .Texts(std::string(rs::TheEarth.english), std::string(rs::TheEarthDescription.english))
          .Build();
  return info;
}

TModeRIMapper::TSourceSuggestion TEarthRIMapper::MapScene(TWaterGrid& grid) {
  const int32_t mode = GetMode();
  if (mode == Reflection || mode == Refraction) {
    const TAtmosphere earth(W(), H());
    MapAtmosphere(grid, earth, mode == Reflection);
    // A beam across the middle of the atmosphere.
    const int32_t middle = RoundHalfEven(earth.radius + earth.thickness / 2);
    return {1, middle, earth.centreX, middle};
  }
  if (mode == PWaves || mode == SWaves) {
    const TInterior earth(W(), H());
    MapInterior(grid, earth, mode == SWaves);
    // A point source on top of the Earth.
    return {0, H() / 2, RoundHalfEven(earth.centreX), RoundHalfEven(earth.centreY + earth.radius)};
  }
  return {};
}

}  // namespace wavora
