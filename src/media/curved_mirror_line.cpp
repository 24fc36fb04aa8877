#include "media/curved_mirror_line.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "image/fast_dib.h"
#include "media/boundary_theory.h"
#include "media/mirror_points.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/scene_drawing.h"

namespace wavora {

namespace {

// Size of the arrowhead at the focus.
constexpr double kArrowSize = 5;

}  // namespace

const TClassInfo& TCurvedMirrorLine::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TCurvedMirrorLine>("TCurvedMirrorLine", &TBasicLineRIMapper::StaticClassInfo())
          .Texts(std::string(rs::CurvedMirror.english), std::string(rs::CurvedMirrorDescription.english))
          .Integer("MirrorType", &TCurvedMirrorLine::GetMirrorType, &TCurvedMirrorLine::SetMirrorType)
          .Abstract()
          .Build();
  return info;
}

void TCurvedMirrorLine::Init() {
  TBasicLineRIMapper::Init();
  SetX1Percent(33);
  SetY1Percent(50);
  SetX2Percent(75);
  SetY2Percent(50);
  SetMirrorType(0);
}

void TCurvedMirrorLine::SetMirrorType(int32_t value) {
  if (value == mirrorType_) return;
  mirrorType_ = value;
  MapToWater();
  // The handles the old type placed itself stay where the user sees them.
  KeepPlace();
}

double TCurvedMirrorLine::FocalLength() const {
  const double dx = double(X2) - X1;
  const double dy = double(Y2) - Y1;
  return std::sqrt(dx * dx + dy * dy);
}

void TCurvedMirrorLine::MapToWater() {
  TBasicLineRIMapper::MapToWater();
  if (!Grid() || !IsAccurate()) return;
  const double d = FocalLength();
  // Coinciding handles give no direction and no size: no mirror until they are apart again.
  if (d == 0) return;
  TMirrorPoints mirror(*Grid(), {5, 2, W() - 5, H() - 2}, !IsDragging());
  if (GetMirrorType() == 2) {
    // A circle of radius 2d about O = 2 * focus - vertex, so the focus lies half way between the
    // centre and the vertex; 216 degrees of it, centred on the vertex, in steps of one cell.
    const double r = 2 * d;
    const double ox = 2 * X1 - X2;
    const double oy = 2 * Y1 - Y2;
    double phi = std::acos((X2 - X1) / d);
    if (Y2 <= Y1) phi = -phi;
    double theta = phi - 0.6 * std::numbers::pi;
    const int32_t count = RoundHalfEven(1.2 * std::numbers::pi * r) + 1;
    for (int32_t i = 0; i < count; ++i) {
      mirror.Mark(RoundHalfEven(r * std::cos(theta) + ox), RoundHalfEven(r * std::sin(theta) + oy));
      theta += 1 / r;
    }
  } else {
    // The parabola with its vertex at handle 2 and its focus at handle 1, along the axis (u, v):
    // P(t) = vertex + t^2 / (4d) * (u, v) + t * (-v, u).
    const double u = (X1 - X2) / d;
    const double v = (Y1 - Y2) / d;
    const double a = 1 / (4 * d);
    const int32_t m = RoundHalfEven(std::sqrt(std::min(W(), H()) / 2.0 * 4 * d));
    const auto point = [&](double t) {
      return TPoint{RoundHalfEven(t * t * a * u + X2 - t * v), RoundHalfEven(t * t * a * v + Y2 + t * u)};
    };
    mirror.MoveTo(point(-m));
    for (int32_t t = 1 - m; t <= m; ++t)
      mirror.LineTo(point(t));
  }
}

void TCurvedMirrorLine::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const double d = FocalLength();
  if (!IsAccurate() || d == 0) return;
  // Both shapes put the focus d from the vertex towards handle 1: f = R / 2 with R = 2d for the arc.
  const TTheoryPoint vertex{double(X2), double(Y2)};
  AddFocusAndImage(figure, vertex, Unit({X1 - vertex.x, Y1 - vertex.y}), d, PointSourcePlace(tank));
}

void TCurvedMirrorLine::Draw(TFastDIB& image) {
  if (!IsAccurate()) {
    TBasicLineRIMapper::Draw(image);
    return;
  }
  const TColour colour = HandleColour();
  DrawHandle(image, X2, Y2, colour);
  DrawArrowHead(image, Point1(), Point2(), colour, kArrowSize);
  const int32_t h = image.Height();
  image.Line(X1, h - 1 - Y1, X2, h - 1 - Y2, colour);
}

void TCurvedMirrorLine::MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  TBasicLineRIMapper::MouseUp(button, shift, X, Y);
  MapToWater();
}

}  // namespace wavora
