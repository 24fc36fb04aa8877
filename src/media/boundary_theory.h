#pragma once

#include <optional>
#include <string>

#include "sim/text_language.h"
#include "sim/theory_figure.h"
#include "sim/theory_physics.h"

namespace wavora {

// What the media draw in the theory overlay where a ray meets a straight boundary or a mirror, and
// the labels they write beside it.

// "θ1 = 30.0°": the mark and the angle in degrees.
std::string AngleLabel(TText mark, double radians);
// "F 123 mm": the mark and a length in millimetres (one cell is one millimetre).
std::string LengthLabel(TText mark, double cells);

void AddLine(TTheoryFigure& figure, TTheoryPoint a, TTheoryPoint b, bool dashed = false);
void AddLabel(TTheoryFigure& figure, TTheoryPoint at, std::string text);
// A mark with its label a little below it, so the label does not hide it.
void AddMark(TTheoryFigure& figure, TTheoryPoint at, std::string text);

// The ray that arrives at a boundary: its start, where it meets the boundary and the boundary's unit
// normal there (either way round), and the wave speeds before and after.
struct TBoundaryMeeting {
  TTheoryPoint start, hit, normal;
  double speed1, speed2;
};

// Draws the incident ray up to the boundary, a dashed normal through the meeting point and the
// incident angle; where the second medium is faster, also the ray that meets it at the critical
// angle (labelled θc). Returns the ray that leaves: refracted by Snell's law (its angle labelled), or
// reflected when the incident angle is beyond the critical one; none when the ray ends there.
std::optional<TTheoryRay> AddRefraction(const TBoundaryMeeting& meeting, TTheoryFigure& figure);
// Draws the incident ray, the dashed normal and both angles of a reflection at a mirror, and returns
// the reflected ray.
TTheoryRay AddReflection(const TBoundaryMeeting& meeting, TTheoryFigure& figure);
// A focusing surface (a lens seen as thin, a curved mirror): the focus the paraxial law puts f cells from
// the vertex along the unit axis (f < 0: behind it, a virtual focus), marked and labelled with its
// distance; for a point source at place (in front of the vertex) also its image by 1/u + 1/v = 1/f.
void AddFocusAndImage(TTheoryFigure& figure, TTheoryPoint vertex, TTheoryPoint axis, double f,
                      const std::optional<TTheoryPoint>& place);
// Draws a leaving ray for length cells.
void AddRay(TTheoryFigure& figure, const TTheoryRay& ray, double length);

}  // namespace wavora
