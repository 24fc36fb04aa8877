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

// The open tank's wave speed the source is tuned to: sqrt(0.5) = 0.7071 cells a step.
inline constexpr double kOpenWaveSpeed = 0.7071;

// The wave speed where the cells have speed factor q: c = 0.7071 * sqrt(q / 0.5); 0 in a wall.
double WaveSpeed(double speedFactor);
// The wave speed at grid cell (x, y) of the tank; 0 outside it.
double WaveSpeedAt(const TWater& tank, double x, double y);

// The tank's wave source (the last one), or none.
const TGeneralExciter* TankSource(const TWater& tank);
// The wavelength the source makes in open water: its Wavelength setting, c * period.
double OpenWavelength(const TGeneralExciter& source);
// Where the source's waves start: the point (or the first of the double source's points), the beam's
// or line's middle on its column, the moving source where it is now.
TTheoryPoint SourcePlace(const TGeneralExciter& source);

// Snell's law for waves, sin(theta2) / sin(theta1) = c2 / c1: the refracted angle from the normal,
// none when the incident angle is beyond the critical angle (total reflection).
std::optional<double> RefractedAngle(double incidentAngle, double speed1, double speed2);
// The critical angle asin(c1 / c2) going from speed c1 into the faster c2; none when c2 <= c1.
std::optional<double> CriticalAngle(double speed1, double speed2);

// Degrees from radians, for labels.
double Degrees(double radians);

}  // namespace wavora
