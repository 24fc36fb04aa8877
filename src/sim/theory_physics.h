#pragma once

#include <optional>

namespace wavora {

class TGeneralExciter;
class TWater;

// Physics the theory overlay draws from, shared by the media: speeds, the source's wavelength and
// place, Snell's law. Lengths in grid cells (one cell is one millimetre), times in steps, angles in
// radians, positions in grid cells with y upward.

struct TTheoryPoint {
  double x, y;
};

// The wave speed where the cells have speed factor q: c = kOpenWaveSpeed * sqrt(q / kOpenSpeedFactor);
// 0 in a wall.
double WaveSpeed(double speedFactor);
// The wave speed at grid cell (x, y) of the tank; 0 outside it.
double WaveSpeedAt(const TWater& tank, double x, double y);

// The tank's wave source (the last one), or none.
const TGeneralExciter* TankSource(const TWater& tank);
// Where the source's waves start: the point (the middle between the double source's points), the beam's
// or line's middle on its column, the moving source where it is now.
TTheoryPoint SourcePlace(const TGeneralExciter& source);

// The critical angle asin(c1 / c2) going from speed c1 into the faster c2; none when c2 <= c1.
std::optional<double> CriticalAngle(double speed1, double speed2);

// Degrees from radians, for labels.
double Degrees(double radians);

// A ray: where it starts and its unit direction.
struct TTheoryRay {
  TTheoryPoint start, direction;
};
// Whether the source sends straight fronts travelling to the right (the beam, the line) rather than
// circles from a point.
bool SendsPlaneWaves(const TGeneralExciter& source);
// Where the tank's source sends circular fronts from; none without a source or for a beam or a line.
std::optional<TTheoryPoint> PointSourcePlace(const TWater& tank);
// The ray the source sends towards target: from a point source straight at it; from a beam or a
// line along their axis, to the right, whatever target is.
TTheoryRay SourceRayTowards(const TGeneralExciter& source, TTheoryPoint target);
// How far a front from the source has run in the tank's steps so far, at the wave speed where the
// source stands, in cells.
double FrontDistance(const TWater& tank, const TGeneralExciter& source);
// The unit vector of (x, y); (0, 0) stays (0, 0).
TTheoryPoint Unit(TTheoryPoint v);
double Dot(TTheoryPoint a, TTheoryPoint b);
// The point at distance t along the ray.
TTheoryPoint Along(const TTheoryRay& ray, double t);
// Where the ray meets the straight line through p with direction d: the distance along the ray, none
// when they are parallel or the meeting lies behind the ray's start.
std::optional<double> MeetLine(const TTheoryRay& ray, TTheoryPoint p, TTheoryPoint d);
// Snell's law in vector form at a boundary with unit normal n (either way round): the direction that
// leaves into the medium of speed2, or none beyond the critical angle.
std::optional<TTheoryPoint> RefractedDirection(TTheoryPoint direction, TTheoryPoint n, double speed1,
                                               double speed2);
// The mirror image of direction at a boundary with unit normal n: d - 2 (d . n) n.
TTheoryPoint ReflectedDirection(TTheoryPoint direction, TTheoryPoint n);
// The wave speeds a ray meets a few cells before and beyond the point at distance along it, read from
// the tank's cells: the media on either side of a boundary there.
double SpeedBefore(const TWater& tank, const TTheoryRay& ray, double distance);
double SpeedBeyond(const TWater& tank, const TTheoryRay& ray, double distance);
// The lens and mirror equation 1/u + 1/v = 1/f: the image distance v of an object at distance u in
// front (both measured along the axis, positive where real); none when the object is at the focus.
std::optional<double> ImageDistance(double objectDistance, double focalLength);
// How far the ray runs from its start until it leaves the tank's interior (at least 0).
double ReachInTank(const TWater& tank, const TTheoryRay& ray);

}  // namespace wavora
