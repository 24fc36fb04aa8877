#include "media/curved_mirror.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "media/boundary_theory.h"
#include "media/curved_mirror_cp.h"
#include "media/mirror_points.h"
#include "sim/rounding.h"
#include "sim/scene_drawing.h"

namespace wavora {

namespace {

// Handles written by the pass are kept 6 cells inside the tank's edges.
constexpr int32_t kHandleMargin = 5;

// The quick shapes' frame across a tank of width w (divisions truncate): mirror points are kept
// between p = w/8 and q = 7w/8; mid = 9w/16 is where a flat mirror would stand. k in 0 ... 1 is how far
// handle 3 lies from mid, relative to mid; the vertex moves e = k^2 (q - mid) from mid, right for a
// concave mirror and left for a convex one, as the curve tightens.
struct TQuickFrame {
  int32_t mid, p, q;
  double k, e;
  bool concaveLeft;
};

TQuickFrame QuickFrame(int32_t w, int32_t x3) {
  TQuickFrame f;
  f.mid = 9 * w / 16;
  f.p = w / 8;
  f.q = 7 * w / 8;
  f.k = std::sqrt(std::abs(x3 - f.mid) / double(f.mid));
  f.e = f.k * f.k * (f.q - f.mid);
  f.concaveLeft = x3 < f.mid;
  return f;
}

}  // namespace

const TClassInfo& TCurvedMirror::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TCurvedMirror>("TCurvedMirror", &TCurvedMirrorLine::StaticClassInfo())
          .Single("X3Percent", &TBaseControl::GetX3Percent, &TBaseControl::SetX3Percent)
          .Single("Y3Percent", &TBaseControl::GetY3Percent, &TBaseControl::SetY3Percent)
          .Build();
  return info;
}

void TCurvedMirror::Init() {
  TCurvedMirrorLine::Init();
  SetX3Percent(25);
  SetY3Percent(50);
}

std::unique_ptr<TControlPanelModel> TCurvedMirror::CreateControlPanel() {
  return std::make_unique<TCurvedMirrorCP>(*this);
}

void TCurvedMirror::MapToWater() {
  TCurvedMirrorLine::MapToWater();
  // Below 2 columns the frame has no middle line to measure from.
  if (!Grid() || W() < 2) return;
  if (IsQuick()) {
    if (GetMirrorType() == 0) {
      MapQuickArc();
    } else {
      MapQuickParabola();
    }
    Y2 = Y3;
    SetPoint1(Clamp(Point1(), kHandleMargin));
    SetPoint2(Clamp(Point2(), kHandleMargin));
  } else if (IsAccurate()) {
    PlaceHandle3();
  }
}

void TCurvedMirror::MapQuickArc() {
  const TQuickFrame f = QuickFrame(W(), X3);
  const double r = 2 * (1 - f.k) * W() + 10;
  const int32_t ox = f.concaveLeft ? RoundHalfEven(f.mid + f.e - r) : RoundHalfEven(f.mid - f.e + r);
  double theta = f.concaveLeft ? -0.6 * std::numbers::pi : -1.6 * std::numbers::pi;
  const int32_t count = RoundHalfEven(1.2 * std::numbers::pi * r) + 1;
  TMirrorPoints mirror(*Grid(), {f.p - 1, 2, f.q + 1, H() - 2}, !HoldsHandle3());
  for (int32_t i = 0; i < count; ++i) {
    mirror.Mark(RoundHalfEven(r * std::cos(theta)) + ox, RoundHalfEven(r * std::sin(theta)) + Y3);
    theta += 1 / r;
  }
  // The focus of a circular mirror lies half way from the centre to the vertex.
  quickVertexX_ = f.concaveLeft ? ox + r : ox - r;
  quickFocalLength_ = f.concaveLeft ? r / 2 : -r / 2;
  const int32_t halfRadius = RoundHalfEven(r / 2);
  const int32_t toVertex = f.concaveLeft ? halfRadius : -halfRadius;
  focus_ = {ox + toVertex, Y3};
  SetPoint1(focus_);
  SetPoint2({focus_.x + toVertex, Y3});
}

void TCurvedMirror::MapQuickParabola() {
  const TQuickFrame f = QuickFrame(W(), X3);
  const double focal = (1 - f.k) * W() + 10;
  focus_ = {f.concaveLeft ? RoundHalfEven(f.mid + f.e - focal) : RoundHalfEven(f.mid - f.e + focal), Y3};
  // x(t) = focus + f - t^2 / (4f) opens to the left; the convex mirror is its reflection.
  const double a = 1 / (4 * focal);
  const int32_t m = RoundHalfEven(std::sqrt(std::min(W(), H()) / 2.0 * 4 * focal));
  const auto point = [&](int32_t t) {
    const double bend = double(t) * t * a;
    const int32_t x =
        f.concaveLeft ? RoundHalfEven(focus_.x + focal - bend) : RoundHalfEven(focus_.x - focal + bend);
    return TPoint{x, Y3 + t};
  };
  TMirrorPoints mirror(*Grid(), {f.p - 2, 2, f.q + 2, H() - 2}, !HoldsHandle3());
  mirror.MoveTo(point(-m));
  for (int32_t t = 1 - m; t <= m; ++t)
    mirror.LineTo(point(t));
  quickVertexX_ = f.concaveLeft ? focus_.x + focal : focus_.x - focal;
  quickFocalLength_ = f.concaveLeft ? focal : -focal;
  const int32_t toVertex = RoundHalfEven(focal);
  SetPoint1(focus_);
  SetPoint2({f.concaveLeft ? focus_.x + toVertex : focus_.x - toVertex, Y3});
}

void TCurvedMirror::PlaceHandle3() {
  const int32_t mid = 9 * W() / 16;
  const double k = 1 - (FocalLength() - 10) / W();
  X3 = mid - RoundHalfEven(k * k * mid);
  Y3 = (Y1 + Y2) / 2;
  SetPoint3(Clamp(Point3(), kHandleMargin));
}

void TCurvedMirror::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  if (!IsQuick()) {
    TCurvedMirrorLine::AddTheory(tank, figure);
    return;
  }
  // Quick mirrors face the left side.
  AddFocusAndImage(figure, {quickVertexX_, double(Y3)}, {-1, 0}, quickFocalLength_, PointSourcePlace(tank));
}

void TCurvedMirror::Draw(TFastDIB& image) {
  if (!IsQuick()) {
    TCurvedMirrorLine::Draw(image);
    return;
  }
  TBaseControl::Draw(image);
  if (focus_.x >= 3 && focus_.x <= W() - 4 && focus_.y >= 3 && focus_.y <= H() - 4)
    DrawDot(image, focus_.x, focus_.y, RGB(100, 100, 100));
}

}  // namespace wavora
