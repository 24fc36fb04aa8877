#include "sim/scene_drawing.h"

#include <algorithm>
#include <cmath>

#include "image/fast_dib.h"
#include "sim/rounding.h"

namespace wavora {

namespace {

uint8_t Channel(double v) {
  return static_cast<uint8_t>(std::min(255, RoundHalfEven(v)));
}

struct TVector {
  double x, y;
};

// Image position of a cell.
TVector ImagePoint(const TFastDIB& image, TPoint p) {
  return {double(p.x), double(image.Height() - 1 - p.y)};
}

void LineTo(TFastDIB& image, TVector from, TVector to, TColour colour) {
  image.Line(RoundHalfEven(from.x), RoundHalfEven(from.y), RoundHalfEven(to.x), RoundHalfEven(to.y), colour);
}

// u: unit vector from the tip towards the tail in image coordinates; n = (u.y, -u.x) across it.
bool ArrowFrame(const TFastDIB& image, TPoint tip, TPoint tail, TVector& t, TVector& u, TVector& n) {
  t = ImagePoint(image, tip);
  const TVector back = ImagePoint(image, tail);
  const double dx = back.x - t.x;
  const double dy = back.y - t.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return false;
  u = {dx / length, dy / length};
  n = {u.y, -u.x};
  return true;
}

void Barbs(TFastDIB& image, TVector t, TVector u, TVector n, TColour colour, double s) {
  const TVector base{t.x + 1.2 * s * u.x, t.y + 1.2 * s * u.y};
  LineTo(image, t, {base.x + 0.8 * s * n.x, base.y + 0.8 * s * n.y}, colour);
  LineTo(image, t, {base.x - 0.8 * s * n.x, base.y - 0.8 * s * n.y}, colour);
}

}  // namespace

TColour Lighter(TColour c) {
  const auto up = [](uint8_t v) { return Channel(v + (255 - v) * 0.3); };
  return {up(c.blue), up(c.green), up(c.red)};
}

TColour Darker(TColour c) {
  const auto down = [](uint8_t v) { return Channel(v * 0.8); };
  return {down(c.blue), down(c.green), down(c.red)};
}

void DrawHandle(TFastDIB& image, int32_t x, int32_t y, TColour colour) {
  const int32_t Y = image.Height() - 1 - y;
  if (image.PenWidth() > 1) {
    // A bolder pen: a larger, lighter disc on a black rim, so that the handle stands out on any water.
    const int32_t r = 4 + image.PenWidth();
    image.FillEllipse(x - r - 1, Y - r - 1, x + r + 1, Y + r + 1, RGB(0, 0, 0));
    image.FillEllipse(x - r, Y - r, x + r, Y + r, Lighter(colour));
  }
  image.FillEllipse(x - 4, Y - 4, x + 4, Y + 4, colour);
  image.Line(x - 2, Y - 1, x - 1, Y - 2, Lighter(colour));
  const TColour dark = Darker(colour);
  image.Line(x + 3, Y, x, Y + 3, dark);
  image.SetPixel(x + 2, Y + 2, dark);
  image.SetPixel(x + 3, Y - 1, dark);
  image.SetPixel(x - 1, Y + 3, dark);
}

void FillCircle(TFastDIB& image, int32_t x, int32_t y, TColour colour, int32_t radius) {
  image.FillCircle(x, image.Height() - 1 - y, radius, colour);
}

void DrawDot(TFastDIB& image, int32_t x, int32_t y, TColour colour) {
  const int32_t w = image.Width();
  const int32_t h = image.Height();
  for (int32_t i = x - 1; i <= x + 1; ++i) {
    for (int32_t j = y - 1; j <= y + 1; ++j) {
      if (i >= 1 && i <= w - 2 && j >= 1 && j <= h - 2) image.SetPixel(i, h - 1 - j, colour);
    }
  }
}

void DrawArrowHead(TFastDIB& image, TPoint tip, TPoint tail, TColour colour, double s) {
  TVector t, u, n;
  if (ArrowFrame(image, tip, tail, t, u, n)) Barbs(image, t, u, n, colour, s);
}

void DrawBarArrowHead(TFastDIB& image, TPoint tip, TPoint tail, TColour colour, double s) {
  TVector t, u, n;
  if (!ArrowFrame(image, tip, tail, t, u, n)) return;
  Barbs(image, t, u, n, colour, s);
  LineTo(image, {t.x + s * n.x, t.y + s * n.y}, {t.x - s * n.x, t.y - s * n.y}, colour);
}

void DrawArrow(TFastDIB& image, TPoint tail, TPoint tip, TColour colour, double s) {
  LineTo(image, ImagePoint(image, tail), ImagePoint(image, tip), colour);
  DrawArrowHead(image, tip, tail, colour, s);
}

void DrawDoubleArrow(TFastDIB& image, TPoint a, TPoint b, TColour colour, double s) {
  DrawArrowHead(image, a, b, colour, s);
  DrawArrowHead(image, b, a, colour, s);
  LineTo(image, ImagePoint(image, a), ImagePoint(image, b), colour);
}

void DrawPlus(TFastDIB& image, int32_t x, int32_t y, TColour colour, int32_t r) {
  const int32_t Y = image.Height() - 1 - y;
  image.Line(x - r, Y, x + r, Y, colour);
  image.Line(x, Y - r, x, Y + r, colour);
}

void DrawCross(TFastDIB& image, int32_t x, int32_t y, TColour colour, int32_t r) {
  const int32_t Y = image.Height() - 1 - y;
  image.Line(x - r, Y - r, x + r, Y + r, colour);
  image.Line(x - r, Y + r, x + r, Y - r, colour);
}

std::optional<TLabelBox> LabelRect(const TFastDIB& image, std::string_view text, TPoint a, TPoint b) {
  return LabelRect(image, text, a.x, a.y, b.x, b.y);
}

std::optional<TLabelBox> LabelRect(const TFastDIB& image, std::string_view text, double ax, double ay,
                                   double bx, double by) {
  const double dx = bx - ax;
  const double dy = by - ay;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return std::nullopt;
  const TTextExtent extent = image.TextExtent(text);
  const int32_t w = extent.width;
  const int32_t h = extent.height;
  const int32_t W = image.Width();
  const int32_t H = image.Height();
  const double mx = ax + dx / 2;
  const double my = ay + dy / 2;
  const double kx = mx + 0.65 * w * dy / length;
  const double ky = my - 0.65 * h * dx / length;
  TLabelBox box;
  box.left = RoundHalfEven(kx) - w / 2;
  box.top = H - 1 - (RoundHalfEven(ky) + h / 2);
  box.right = box.left + w;
  box.bottom = box.top + h;
  if (box.left < 1) {
    box.right += 1 - box.left;
    box.left = 1;
  }
  if (box.right > W - 2) {
    box.left = W - 2 - (box.right - box.left);
    box.right = W - 3;
  }
  if (box.top < 1) {
    box.bottom += 1 - box.top;
    box.top = 1;
  }
  if (box.bottom > H - 2) {
    box.top = H - 2 - (box.bottom - box.top);
    box.bottom = H - 2;
  }
  return box;
}

}  // namespace wavora
