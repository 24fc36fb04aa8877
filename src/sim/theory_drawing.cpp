#include "sim/theory_drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/scene_drawing.h"
#include "sim/tool.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr double kDashOn = 6;
constexpr double kDashOff = 4;
constexpr int32_t kMarkSize = 4;

struct TImagePoint {
  double x, y;
};

TImagePoint ImagePoint(const TFastDIB& image, double x, double y) {
  return {x, image.Height() - 1 - y};
}

// Cuts the segment to the image (Liang-Barsky); false when nothing of it is inside.
bool ClipToImage(const TFastDIB& image, TImagePoint& a, TImagePoint& b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  const auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  const double right = image.Width() - 1;
  const double bottom = image.Height() - 1;
  if (!(edge(-dx, a.x) && edge(dx, right - a.x) && edge(-dy, a.y) && edge(dy, bottom - a.y))) return false;
  b = {a.x + t1 * dx, a.y + t1 * dy};
  a = {a.x + t0 * dx, a.y + t0 * dy};
  return true;
}

void Segment(TFastDIB& image, TImagePoint a, TImagePoint b) {
  image.Line(RoundHalfEven(a.x), RoundHalfEven(a.y), RoundHalfEven(b.x), RoundHalfEven(b.y), kTheoryColour);
}

void DrawLine(TFastDIB& image, const TTheoryLine& line) {
  TImagePoint a = ImagePoint(image, line.x1, line.y1);
  TImagePoint b = ImagePoint(image, line.x2, line.y2);
  if (!std::isfinite(a.x + a.y + b.x + b.y) || !ClipToImage(image, a, b)) return;
  if (!line.dashed) {
    Segment(image, a, b);
    return;
  }
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length == 0) return;
  const double ux = (b.x - a.x) / length;
  const double uy = (b.y - a.y) / length;
  for (double s = 0; s < length; s += kDashOn + kDashOff) {
    const double e = std::min(s + kDashOn, length);
    Segment(image, {a.x + s * ux, a.y + s * uy}, {a.x + e * ux, a.y + e * uy});
  }
}

// Whole pixels far enough out that no drawing primitive meets an overflow, whatever a figure holds.
int32_t Pixel(double v) {
  constexpr double kFar = 1 << 20;
  return RoundHalfEven(std::clamp(v, -kFar, kFar));
}

void DrawLabel(TFastDIB& image, const TTheoryLabel& label) {
  if (label.text.empty() || !std::isfinite(label.x + label.y)) return;
  // A space either side keeps the text off the tag's edges.
  const std::string text = " " + label.text + " ";
  const TTextExtent extent = image.TextExtent(text);
  const TImagePoint at = ImagePoint(image, label.x, label.y);
  // Centred on its point, kept inside the image's inner area.
  const int32_t left =
      std::clamp(Pixel(at.x) - extent.width / 2, 1, std::max(1, image.Width() - 2 - extent.width));
  const int32_t top =
      std::clamp(Pixel(at.y) - extent.height / 2, 1, std::max(1, image.Height() - 2 - extent.height));
  image.TextOut(left, top, text, RGB(0, 0, 0), kTheoryColour);
}

// The middle of the tool's handles, grid cells.
TImagePoint ToolPlace(const TBaseTool& tool) {
  const std::vector<TPoint> handles = tool.HandlePoints();
  TImagePoint sum{0, 0};
  for (const TPoint p : handles)
    sum = {sum.x + p.x, sum.y + p.y};
  const double n = std::max<size_t>(handles.size(), 1);
  return {sum.x / n, sum.y / n};
}

void AppendReadOut(TTheoryFigure& figure, const TBaseTool& tool) {
  const std::string reading = tool.ReadOut();
  if (reading.empty() || figure.labels.empty()) return;
  const TImagePoint place = ToolPlace(tool);
  const auto distance = [&](const TTheoryLabel& label) {
    return std::hypot(label.x - place.x, label.y - place.y);
  };
  const auto nearest =
      std::min_element(figure.labels.begin(), figure.labels.end(),
                       [&](const auto& a, const auto& b) { return distance(a) < distance(b); });
  nearest->text += " (" + rs::TheoryMeasured.Str() + " " + reading + ")";
}

}  // namespace

TTheoryFigure TankTheory(const TWater& tank) {
  TTheoryFigure figure;
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    if (const auto* object = dynamic_cast<const TBaseWaterObject*>(tank.GetChildren(i).Get()))
      object->AddTheory(tank, figure);
  }
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    if (const auto* tool = dynamic_cast<const TBaseTool*>(tank.GetChildren(i).Get()))
      AppendReadOut(figure, *tool);
  }
  return figure;
}

void DrawTheoryFigure(const TTheoryFigure& figure, TFastDIB& image) {
  if (image.IsEmpty()) return;
  for (const TTheoryLine& line : figure.lines)
    DrawLine(image, line);
  for (const TTheoryCircle& circle : figure.circles) {
    if (!std::isfinite(circle.x + circle.y + circle.radius) || circle.radius <= 0) continue;
    const TImagePoint c = ImagePoint(image, circle.x, circle.y);
    // A circle far larger than the image shows nothing of itself inside it.
    if (circle.radius > 4.0 * (image.Width() + image.Height())) continue;
    for (int32_t r = Pixel(circle.radius); r < Pixel(circle.radius) + image.PenWidth(); ++r)
      image.FrameEllipse(Pixel(c.x) - r, Pixel(c.y) - r, Pixel(c.x) + r, Pixel(c.y) + r, kTheoryColour);
  }
  for (const TTheoryMark& mark : figure.marks) {
    if (!std::isfinite(mark.x + mark.y)) continue;
    DrawCross(image, Pixel(mark.x), Pixel(mark.y), kTheoryColour, kMarkSize);
  }
  for (const TTheoryLabel& label : figure.labels)
    DrawLabel(image, label);
}

void DrawTheory(const TWater& tank, TFastDIB& image) {
  DrawTheoryFigure(TankTheory(tank), image);
}

}  // namespace wavora
