#include "media/boundary_theory.h"

#include <cmath>
#include <utility>

#include "sim/resource_strings.h"

namespace wavora {

namespace {

// Half the length of the dashed normal, and how far from the meeting the angles are written.
constexpr double kNormalHalfLength = 40;
constexpr double kLabelDistance = 30;
// The critical-angle ray is drawn this long, ending at the meeting point.
constexpr double kCriticalRayLength = 60;
// Labels of marks sit this far off the mark, so the mark stays visible.
constexpr double kMarkLabelOffset = 12;

// The angle between a direction and the normal's line, 0 ... pi/2.
double AngleFromNormal(TTheoryPoint direction, TTheoryPoint normal) {
  return std::acos(std::min(std::abs(Dot(Unit(direction), normal)), 1.0));
}

// The normal turned to point along the travel.
TTheoryPoint Forward(TTheoryPoint direction, TTheoryPoint normal) {
  return Dot(direction, normal) < 0 ? TTheoryPoint{-normal.x, -normal.y} : normal;
}

void AddNormalAndIncidence(const TBoundaryMeeting& m, TTheoryPoint direction, TTheoryFigure& figure) {
  AddLine(figure, m.start, m.hit);
  AddLine(figure, {m.hit.x - kNormalHalfLength * m.normal.x, m.hit.y - kNormalHalfLength * m.normal.y},
          {m.hit.x + kNormalHalfLength * m.normal.x, m.hit.y + kNormalHalfLength * m.normal.y}, true);
  AddLabel(figure, Along({m.hit, {-direction.x, -direction.y}}, kLabelDistance),
           AngleLabel(rs::IncidenceAngleMark, AngleFromNormal(direction, m.normal)));
}

// The ray reflected at the meeting, its angle labelled.
TTheoryRay AddReflected(const TBoundaryMeeting& m, TTheoryPoint direction, TTheoryFigure& figure) {
  const TTheoryPoint reflected = ReflectedDirection(direction, m.normal);
  AddLabel(figure, Along({m.hit, reflected}, kLabelDistance),
           AngleLabel(rs::ReflectionAngleMark, AngleFromNormal(reflected, m.normal)));
  return {m.hit, reflected};
}

}  // namespace

std::string AngleLabel(TText mark, double radians) {
  return mark.Str() + " = " + ReadoutNumber(Degrees(radians), 1) + "\u00B0";
}

std::string LengthLabel(TText mark, double cells) {
  return mark.Str() + " " + ReadoutNumber(cells, 0) + " " + rs::Millimetres.Str();
}

void AddLine(TTheoryFigure& figure, TTheoryPoint a, TTheoryPoint b, bool dashed) {
  figure.lines.push_back({a.x, a.y, b.x, b.y, dashed});
}

void AddLabel(TTheoryFigure& figure, TTheoryPoint at, std::string text) {
  figure.labels.push_back({at.x, at.y, std::move(text)});
}

void AddMark(TTheoryFigure& figure, TTheoryPoint at, std::string text) {
  figure.marks.push_back({at.x, at.y});
  AddLabel(figure, {at.x, at.y - kMarkLabelOffset}, std::move(text));
}

void AddRay(TTheoryFigure& figure, const TTheoryRay& ray, double length) {
  AddLine(figure, ray.start, Along(ray, length));
}

std::optional<TTheoryRay> AddRefraction(const TBoundaryMeeting& m, TTheoryFigure& figure) {
  const TTheoryPoint direction = Unit({m.hit.x - m.start.x, m.hit.y - m.start.y});
  AddNormalAndIncidence(m, direction, figure);
  const TTheoryPoint forward = Forward(direction, m.normal);
  if (const std::optional<double> critical = CriticalAngle(m.speed1, m.speed2)) {
    // The ray on the incident ray's side of the normal that arrives at the critical angle.
    const TTheoryPoint tangent{direction.x - Dot(direction, forward) * forward.x,
                               direction.y - Dot(direction, forward) * forward.y};
    const TTheoryPoint side =
        Unit(tangent.x == 0 && tangent.y == 0 ? TTheoryPoint{-forward.y, forward.x} : tangent);
    const TTheoryPoint along{std::sin(*critical) * side.x + std::cos(*critical) * forward.x,
                             std::sin(*critical) * side.y + std::cos(*critical) * forward.y};
    const TTheoryPoint from{m.hit.x - kCriticalRayLength * along.x, m.hit.y - kCriticalRayLength * along.y};
    AddLine(figure, from, m.hit);
    AddLabel(figure, from, AngleLabel(rs::CriticalAngleMark, *critical));
  }
  if (m.speed2 <= 0) return std::nullopt;
  if (const std::optional<TTheoryPoint> refracted =
          RefractedDirection(direction, m.normal, m.speed1, m.speed2)) {
    AddLabel(figure, Along({m.hit, *refracted}, kLabelDistance),
             AngleLabel(rs::RefractionAngleMark, AngleFromNormal(*refracted, m.normal)));
    return TTheoryRay{m.hit, *refracted};
  }
  return AddReflected(m, direction, figure);
}

void AddFocusAndImage(TTheoryFigure& figure, TTheoryPoint vertex, TTheoryPoint axis, double f,
                      const std::optional<TTheoryPoint>& place) {
  const TTheoryPoint focus = Along({vertex, axis}, f);
  AddMark(figure, focus, LengthLabel(rs::FocusMark, std::abs(f)));
  if (!place) return;
  const TTheoryPoint offset{place->x - vertex.x, place->y - vertex.y};
  const double u = Dot(offset, axis);
  const std::optional<double> v = u > 0 ? ImageDistance(u, f) : std::nullopt;
  if (!v) return;
  // Across the axis the image is magnified by -v / u.
  const TTheoryPoint across{offset.x - u * axis.x, offset.y - u * axis.y};
  const double m = -*v / u;
  const TTheoryPoint image{vertex.x + *v * axis.x + m * across.x, vertex.y + *v * axis.y + m * across.y};
  AddMark(figure, image, rs::ImageMark.Str());
}

TTheoryRay AddReflection(const TBoundaryMeeting& m, TTheoryFigure& figure) {
  const TTheoryPoint direction = Unit({m.hit.x - m.start.x, m.hit.y - m.start.y});
  AddNormalAndIncidence(m, direction, figure);
  return AddReflected(m, direction, figure);
}

}  // namespace wavora
