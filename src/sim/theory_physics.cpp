#include "sim/theory_physics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sim/general_exciter.h"
#include "sim/water.h"

namespace wavora {

double WaveSpeed(double speedFactor) {
  return kOpenWaveSpeed * std::sqrt(std::max(speedFactor, 0.0) / kOpenSpeedFactor);
}

double WaveSpeedAt(const TWater& tank, double x, double y) {
  const auto column = static_cast<int32_t>(std::lround(x));
  const auto row = static_cast<int32_t>(std::lround(y));
  // Image rows run downward: grid row y is image row H - 1 - y.
  return WaveSpeed(tank.SpeedFactorAt(column, tank.H() - 1 - row));
}

const TGeneralExciter* TankSource(const TWater& tank) {
  for (int i = tank.GetChildCount() - 1; i >= 0; --i) {
    if (const auto* source = dynamic_cast<const TGeneralExciter*>(tank.GetChildren(i).Get())) return source;
  }
  return nullptr;
}

double OpenWavelength(const TGeneralExciter& source) {
  return source.GetWavelength();
}

TTheoryPoint SourcePlace(const TGeneralExciter& source) {
  const TPoint p1 = source.Point1();
  switch (source.GetBeamType()) {
    case TGeneralExciter::kBeam:
      return {double(source.BeamColumn()), double(source.Point3().y)};
    case TGeneralExciter::kLine:
      return {double(source.BeamColumn()), (source.H() - 1) / 2.0};
    case TGeneralExciter::kDouble: {
      const TPoint p2 = source.Point2();
      return {(p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0};
    }
    case TGeneralExciter::kDoppler:
      return {source.DopplerX(), source.DopplerY()};
    default:
      return {double(p1.x), double(p1.y)};
  }
}

std::optional<double> RefractedAngle(double incidentAngle, double speed1, double speed2) {
  if (speed1 <= 0) return std::nullopt;
  const double sine = std::sin(incidentAngle) * speed2 / speed1;
  if (std::abs(sine) > 1) return std::nullopt;
  return std::asin(sine);
}

std::optional<double> CriticalAngle(double speed1, double speed2) {
  if (speed2 <= speed1 || speed1 <= 0) return std::nullopt;
  return std::asin(speed1 / speed2);
}

double Degrees(double radians) {
  return radians * 180 / std::numbers::pi;
}

}  // namespace wavora
