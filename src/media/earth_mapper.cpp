#include "media/earth_mapper.h"

#include <algorithm>
#include <cmath>

#include "sim/resource_strings.h"
#include "sim/rounding.h"

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

}  // namespace

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
