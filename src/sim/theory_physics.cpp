#include "sim/theory_physics.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

std::optional<double> CriticalAngle(double speed1, double speed2) {
  if (speed2 <= speed1 || speed1 <= 0) return std::nullopt;
  return std::asin(speed1 / speed2);
}

double Degrees(double radians) {
  return radians * 180 / std::numbers::pi;
}

bool SendsPlaneWaves(const TGeneralExciter& source) {
  return source.GetBeamType() == TGeneralExciter::kBeam || source.GetBeamType() == TGeneralExciter::kLine;
}

std::optional<TTheoryPoint> PointSourcePlace(const TWater& tank) {
  const TGeneralExciter* source = TankSource(tank);
  if (!source || SendsPlaneWaves(*source)) return std::nullopt;
  return SourcePlace(*source);
}

TTheoryRay SourceRayTowards(const TGeneralExciter& source, TTheoryPoint target) {
  const TTheoryPoint place = SourcePlace(source);
  if (SendsPlaneWaves(source)) return {place, {1, 0}};
  return {place, Unit({target.x - place.x, target.y - place.y})};
}

double FrontDistance(const TWater& tank, const TGeneralExciter& source) {
  const TTheoryPoint place = SourcePlace(source);
  return WaveSpeedAt(tank, place.x, place.y) * static_cast<double>(tank.StepsRun());
}

TTheoryPoint Unit(TTheoryPoint v) {
  const double length = std::hypot(v.x, v.y);
  if (length == 0) return {0, 0};
  return {v.x / length, v.y / length};
}

double Dot(TTheoryPoint a, TTheoryPoint b) {
  return a.x * b.x + a.y * b.y;
}

TTheoryPoint Along(const TTheoryRay& ray, double t) {
  return {ray.start.x + t * ray.direction.x, ray.start.y + t * ray.direction.y};
}

std::optional<double> MeetLine(const TTheoryRay& ray, TTheoryPoint p, TTheoryPoint d) {
  // start + t r = p + s d, solved by Cramer's rule: t = ((p - start) x d) / (r x d).
  const double cross = ray.direction.x * d.y - ray.direction.y * d.x;
  if (std::abs(cross) < 1e-9) return std::nullopt;
  const double t = ((p.x - ray.start.x) * d.y - (p.y - ray.start.y) * d.x) / cross;
  if (t < 0) return std::nullopt;
  return t;
}

std::optional<TTheoryPoint> RefractedDirection(TTheoryPoint direction, TTheoryPoint n, double speed1,
                                               double speed2) {
  // n along the travel: cos(theta1) = d . n > 0. The part along the boundary scales by c2 / c1
  // (sin(theta2) = sin(theta1) c2 / c1), the part along n makes the direction a unit again.
  if (Dot(direction, n) < 0) n = {-n.x, -n.y};
  if (speed1 <= 0 || speed2 <= 0) return std::nullopt;
  const double along = Dot(direction, n);
  const double ratio = speed2 / speed1;
  const TTheoryPoint tangential{(direction.x - along * n.x) * ratio, (direction.y - along * n.y) * ratio};
  const double sine2 = Dot(tangential, tangential);
  if (sine2 > 1) return std::nullopt;
  const double cosine = std::sqrt(1 - sine2);
  return TTheoryPoint{tangential.x + cosine * n.x, tangential.y + cosine * n.y};
}

TTheoryPoint ReflectedDirection(TTheoryPoint direction, TTheoryPoint n) {
  const double along = Dot(direction, n);
  return {direction.x - 2 * along * n.x, direction.y - 2 * along * n.y};
}

std::optional<double> ImageDistance(double objectDistance, double focalLength) {
  if (objectDistance == focalLength) return std::nullopt;
  return objectDistance * focalLength / (objectDistance - focalLength);
}

namespace {
// Far enough from a boundary to clear its staircase of cells, near enough to stay in a thin layer.
constexpr double kBoundaryClearance = 3;
}  // namespace

double SpeedBefore(const TWater& tank, const TTheoryRay& ray, double distance) {
  const TTheoryPoint p = Along(ray, std::max(distance - kBoundaryClearance, 0.0));
  return WaveSpeedAt(tank, p.x, p.y);
}

double SpeedBeyond(const TWater& tank, const TTheoryRay& ray, double distance) {
  const TTheoryPoint p = Along(ray, distance + kBoundaryClearance);
  return WaveSpeedAt(tank, p.x, p.y);
}

double ReachInTank(const TWater& tank, const TTheoryRay& ray) {
  // The interior is 1 ... N - 2 on each axis; the ray leaves through the first side it crosses.
  double reach = std::numeric_limits<double>::infinity();
  const auto limit = [&reach](double start, double direction, double low, double high) {
    if (direction > 0) reach = std::min(reach, (high - start) / direction);
    if (direction < 0) reach = std::min(reach, (low - start) / direction);
  };
  limit(ray.start.x, ray.direction.x, 1, tank.W() - 2);
  limit(ray.start.y, ray.direction.y, 1, tank.H() - 2);
  return std::isfinite(reach) ? std::max(reach, 0.0) : 0.0;
}

}  // namespace wavora
