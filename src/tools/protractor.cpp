#include "tools/protractor.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/tool_label.h"

namespace wavora {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kArrowSize = 4;
constexpr int kArcRadius = 15;
constexpr double kGuideReach = 100;  // cells to either side of the arm
constexpr double kLabelArm = 100;    // cells from the vertex where the bisector is taken
constexpr const char* kDegreeMark = "o";

// Shortens the segment from a to b along its own direction so that b stays between 1 and the size
// minus 2 in each axis (image coordinates).
void ClipEnd(double ax, double ay, double& bx, double& by, int width, int height) {
  double t = 1;
  const auto limit = [&t](double from, double to, double low, double high) {
    if (to < low && from != to) t = std::min(t, (low - from) / (to - from));
    if (to > high && from != to) t = std::min(t, (high - from) / (to - from));
  };
  limit(ax, bx, 1, width - 2);
  limit(ay, by, 1, height - 2);
  t = std::max(t, 0.0);
  bx = ax + t * (bx - ax);
  by = ay + t * (by - ay);
}

}  // namespace

const TClassInfo& TProtractor::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TProtractor>("TProtractor", &TBaseTool::StaticClassInfo())
          .Texts(std::string(rs::Protractor.english), std::string(rs::ProtractorDescription.english))
          .Single("X1Percent", &TProtractor::GetX1Percent, &TProtractor::SetX1Percent)
          .Single("X2Percent", &TProtractor::GetX2Percent, &TProtractor::SetX2Percent)
          .Single("X3Percent", &TProtractor::GetX3Percent, &TProtractor::SetX3Percent)
          .Single("Y1Percent", &TProtractor::GetY1Percent, &TProtractor::SetY1Percent)
          .Single("Y2Percent", &TProtractor::GetY2Percent, &TProtractor::SetY2Percent)
          .Single("Y3Percent", &TProtractor::GetY3Percent, &TProtractor::SetY3Percent)
          .Build();
  return info;
}

void TProtractor::Init() {
  TBaseTool::Init();
  SetX1Percent(33);
  SetX2Percent(33);
  SetX3Percent(66);
  SetY1Percent(66);
  SetY2Percent(33);
  SetY3Percent(33);
}

double TProtractor::Direction(TPoint p, TPoint vertex) {
  const double dx = double(p.x) - vertex.x;
  const double dy = double(p.y) - vertex.y;
  const double r = std::sqrt(dx * dx + dy * dy);
  if (r == 0) return 0;
  const double below = std::asin(std::clamp(-dy / r, -1.0, 1.0));  // arcsin((V.y - P.y) / r)
  const double above = std::asin(std::clamp(dy / r, -1.0, 1.0));   // arcsin((P.y - V.y) / r)
  if (p.x > vertex.x) return p.y <= vertex.y ? kTwoPi - below : above;
  return p.y <= vertex.y ? below + std::numbers::pi : std::numbers::pi - above;
}

double TProtractor::AngleDegrees(double a1, double a3) {
  double angle = a1 >= a3 ? a1 - a3 : kTwoPi - (a3 - a1);
  // Both directions lie in [0, 2π], so one correction each way is enough.
  if (angle > kTwoPi) angle -= kTwoPi;
  if (angle < 0) angle += kTwoPi;
  return angle * 360 / kTwoPi;
}

void TProtractor::HandlesMoved() {
  if (!Grid()) return;
  angle_ = static_cast<float>(AngleDegrees(Direction(Point1(), Point2()), Direction(Point3(), Point2())));
}

bool TProtractor::HitBody(int32_t x, int32_t y) const {
  return LabelHit(label_, H(), x, y);
}

void TProtractor::DrawGuides(TFastDIB& image, TPoint armEnd) const {
  const int top = image.Height() - 1;
  const double ax = armEnd.x - X2;
  const double ay = armEnd.y - Y2;
  const double length = std::sqrt(ax * ax + ay * ay);
  if (length == 0) return;
  // Across the arm, in image coordinates (rows downward).
  const double acrossX = -ay / length * kGuideReach;
  const double acrossY = -ax / length * kGuideReach;
  for (const TPoint through : {armEnd, Point2()}) {
    const double cx = through.x;
    const double cy = top - through.y;
    for (const double side : {1.0, -1.0}) {
      double ex = cx + side * acrossX;
      double ey = cy + side * acrossY;
      ClipEnd(cx, cy, ex, ey, image.Width(), image.Height());
      image.Line(RoundHalfEven(cx), RoundHalfEven(cy), RoundHalfEven(ex), RoundHalfEven(ey), HandleColour());
    }
  }
}

void TProtractor::Draw(TFastDIB& image) {
  const TColour colour = HandleColour();
  const int top = image.Height() - 1;
  image.Line(X1, top - Y1, X2, top - Y2, colour);
  image.Line(X2, top - Y2, X3, top - Y3, colour);
  if (GetActiveTool() && HoldsHandle1()) DrawGuides(image, Point1());
  if (GetActiveTool() && HoldsHandle3()) DrawGuides(image, Point3());
  DrawArrowHead(image, Point1(), Point2(), colour, kArrowSize);
  DrawArrowHead(image, Point3(), Point2(), colour, kArrowSize);
  const double a1 = Direction(Point1(), Point2());
  const double a3 = Direction(Point3(), Point2());
  image.Arc(X2, top - Y2, kArcRadius, a3, a1, colour);

  const std::string number = OneDecimal(angle_);
  const std::string text = number + kDegreeMark;
  std::optional<TLabelBox> box;
  if (angle_ == 180.0f) {
    box = LabelRect(image, text, Point1(), Point3());
  } else {
    // Behind the vertex, away from the opening: across the bisector of the two arms.
    const auto armPoint = [this](TPoint end, double& x, double& y) {
      const double dx = end.x - X2;
      const double dy = end.y - Y2;
      const double length = std::sqrt(dx * dx + dy * dy);
      x = length > 0 ? X2 + kLabelArm * dx / length : X2;
      y = length > 0 ? Y2 + kLabelArm * dy / length : Y2;
    };
    double x1, y1, x3, y3;
    armPoint(Point1(), x1, y1);
    armPoint(Point3(), x3, y3);
    const double bx = (x1 + x3) / 2 - X2;
    const double by = (y1 + y3) / 2 - Y2;
    box = LabelRect(image, text, X2 - by, Y2 + bx, X2 + by, Y2 - bx);
  }
  if (box) label_ = *box;
  const TColour textColour = LabelTextColour(GetActiveTool());
  image.TextOut(label_.left, label_.top, number, textColour);
  const TTextExtent mark = image.TextExtent(kDegreeMark);
  image.TextOut(label_.right - mark.width, label_.top - mark.height / 4, kDegreeMark, textColour);
}

// The picture raises a small "o" as the degree mark; words take the degree sign.
std::string TProtractor::ReadOut() const {
  return OneDecimal(angle_) + "\u00b0";
}

std::vector<TToolReading> TProtractor::Readings() const {
  return {{"angle", std::nullopt, "", angle_, "degrees"}};
}

}  // namespace wavora
