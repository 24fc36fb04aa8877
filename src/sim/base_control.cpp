#include "sim/base_control.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "image/fast_dib.h"
#include "sim/rounding.h"
#include "sim/scene_drawing.h"

namespace wavora {

namespace {

constexpr int32_t kSnapSpacing = 16;
constexpr int32_t kPlainSnapOffset = 5;
constexpr int32_t kBodyMargin = 5;

int64_t Distance2(int32_t x, int32_t y, TPoint p) {
  const int64_t dx = static_cast<int64_t>(x) - p.x;
  const int64_t dy = static_cast<int64_t>(y) - p.y;
  return dx * dx + dy * dy;
}

}  // namespace

const TClassInfo& TBaseControl::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBaseControl>("TBaseControl", &TBaseWaterObject::StaticClassInfo())
          .Texts("Base Control Type", "Need to change this")
          .Boolean("Snap_to_Grid", &TBaseControl::GetSnapToGrid, &TBaseControl::SetSnapToGrid)
          .Boolean("ActiveTool", &TBaseControl::GetActiveTool, &TBaseControl::SetActiveTool)
          .SessionState()
          .Abstract()
          .Build();
  return info;
}

void TBaseControl::Init() {
  TBaseWaterObject::Init();
  snapToGrid_ = true;
}

int32_t TBaseControl::CellFromPercent(float percent, int32_t n) {
  if (std::isnan(percent)) percent = 0;
  const double cell = std::nearbyint((n - 11.0) * static_cast<double>(percent) / 100.0 + 5.0);
  const double last = std::max(n - 1, 0);
  return static_cast<int32_t>(std::clamp(cell, 0.0, last));
}

float TBaseControl::PercentFromCell(int32_t cell, int32_t n) {
  if (n <= 11) return 0.000001f;
  const float percent = static_cast<float>(cell - 5) * 100.0f / static_cast<float>(n - 11);
  return percent == 0 ? 0.000001f : percent;
}

int32_t TBaseControl::Snap(int32_t v, int32_t offset, int32_t n) {
  int32_t r = offset + kSnapSpacing * RoundHalfEven((static_cast<double>(v) - offset) / kSnapSpacing);
  if (r < 5) r += kSnapSpacing;
  if (r > n - 5) r -= kSnapSpacing;
  return r;
}

TPoint TBaseControl::SnapPlain(TPoint p) const {
  return {Snap(p.x, kPlainSnapOffset, W()), Snap(p.y, kPlainSnapOffset, H())};
}

TPoint TBaseControl::SnapRelative(TPoint p, TPoint anchor) const {
  const int32_t offsetX = anchor.x - kSnapSpacing * RoundHalfEven(anchor.x / double(kSnapSpacing));
  const int32_t offsetY = anchor.y - kSnapSpacing * RoundHalfEven(anchor.y / double(kSnapSpacing));
  return {Snap(p.x, offsetX, W()), Snap(p.y, offsetY, H())};
}

TPoint TBaseControl::Clamp(TPoint p, int32_t margin) const {
  // max before min: on a grid too small for the margin the point ends at the upper bound, not beyond.
  return {std::min(std::max(p.x, margin + 1), W() - 1 - margin),
          std::min(std::max(p.y, margin + 1), H() - 1 - margin)};
}

bool TBaseControl::Inside(TPoint p, int32_t margin) const {
  return p.x >= margin && p.x <= W() - 1 - margin && p.y >= margin && p.y <= H() - 1 - margin;
}

void TBaseControl::KeepPlace() {
  x1_.Keep(X1, W());
  x2_.Keep(X2, W());
  x3_.Keep(X3, W());
  y1_.Keep(Y1, H());
  y2_.Keep(Y2, H());
  y3_.Keep(Y3, H());
}

void TBaseControl::SetPercent(TPercentPlace& place, int32_t& cell, float value, int32_t n) {
  const int32_t newCell = place.Set(value, n);
  if (newCell != cell) {
    cell = newCell;
    HandlesMoved();
  }
}

void TBaseControl::GeometryChanged() {
  X1 = CellFromPercent(x1_.percent, W());
  X2 = CellFromPercent(x2_.percent, W());
  X3 = CellFromPercent(x3_.percent, W());
  Y1 = CellFromPercent(y1_.percent, H());
  Y2 = CellFromPercent(y2_.percent, H());
  Y3 = CellFromPercent(y3_.percent, H());
  if (snapToGrid_) {
    switch (Kind()) {
      case 5:
        SetPoint2(SnapPlain(Point2()));
        SetPoint1(SnapRelative(Point1(), Point2()));
        break;
      case 3:
        SetPoint2(SnapPlain(Point2()));
        SetPoint1(SnapRelative(Point1(), Point2()));
        SetPoint3(SnapRelative(Point3(), Point2()));
        break;
      default:
        SetPoint1(SnapPlain(Point1()));
        SetPoint2(SnapPlain(Point2()));
        SetPoint3(SnapPlain(Point3()));
        break;
    }
  }
  // Snapped cells count as laid out, so snapping alone never changes what is saved.
  x1_.laidOut = X1, x2_.laidOut = X2, x3_.laidOut = X3;
  y1_.laidOut = Y1, y2_.laidOut = Y2, y3_.laidOut = Y3;
  HandlesMoved();
}

void TBaseControl::Select(bool keepOthers) {
  activeTool_ = true;
  if (keepOthers) return;
  TBasicXMLNode* parent = ParentObject();
  if (!parent) return;
  for (int i = 0; i < parent->GetChildCount(); ++i) {
    const iXMLNode child = parent->GetChildren(i);
    if (child.Get() == this) continue;
    if (auto* control = dynamic_cast<TBaseControl*>(child.Get())) control->SetActiveTool(false);
  }
}

TColour TBaseControl::HandleColour() const {
  return activeTool_ ? RGB(210, 210, 254) : RGB(56, 70, 150);
}

bool TBaseControl::HitBody(int32_t, int32_t) const {
  return false;
}

bool TBaseControl::HasHandles() const {
  const int32_t kind = Kind();
  return kind >= 1 && kind <= 6;
}

std::vector<TPoint> TBaseControl::HandlePoints() const {
  switch (Kind()) {
    case 1:
      return {Point1()};
    case 2:
    case 5:
      return {Point1(), Point2()};
    case 3:
      return {Point1(), Point2(), Point3()};
    case 4:
      return {Point3()};
    default:
      return {};
  }
}

void TBaseControl::MouseDown(TMouseButton, TShiftState shift, bool& handled, int32_t X, int32_t Y) {
  handled = false;
  const int32_t y = H() - 1 - Y;
  const int32_t kind = Kind();
  switch (kind) {
    case 1:
      handled = heldH1_ = NearPoint(X, y, Point1());
      break;
    case 2:
    case 5:
      handled = HitTwoPoints(X, y, Point1(), Point2(), heldH1_, heldH2_, heldBody_);
      break;
    case 3:
      handled = HitThreePoints(X, y, Point1(), Point2(), Point3(), heldH1_, heldH2_, heldH3_, heldBody_);
      break;
    case 4:
      handled = heldH3_ = NearPoint(X, y, Point3());
      break;
    default:
      break;
  }
  if (!handled && HitBody(X, y)) {
    handled = true;
    heldBody_ = true;
  }
  if (!handled) return;
  Select(shift.ctrl);
  grab_ = {X, y};
  if (!snapToGrid_) return;
  if (kind == 3 || kind == 5) {
    if (heldH1_ || heldH3_) grab_ = SnapRelative(grab_, Point2());
  } else {
    grab_ = SnapPlain(grab_);
  }
}

void TBaseControl::MouseMove(TShiftState, int32_t X, int32_t Y) {
  X = std::min(std::max(X, 6), W() - 6);
  Y = std::min(std::max(Y, 6), H() - 6);
  TPoint p{X, H() - 1 - Y};
  const int32_t kind = Kind();
  if (snapToGrid_) {
    if (kind == 3 || kind == 5) {
      if (heldH1_ || heldH3_) {
        p = SnapRelative(p, Point2());
      } else if (heldH2_) {
        p = SnapPlain(p);
      }
    } else {
      p = SnapPlain(p);
    }
  }
  const int64_t minDistance2 = MinHandleDistanceSquared();
  if (heldH1_) {
    if ((kind == 2 || kind == 3 || kind == 5) && Distance2(p.x, p.y, Point2()) < minDistance2) return;
    SetPoint1(p);
    HandlesMoved();
  } else if (heldH2_ && kind != 3 && kind != 5) {
    if (kind == 2 && Distance2(p.x, p.y, Point1()) < minDistance2) return;
    SetPoint2(p);
    HandlesMoved();
  } else if (heldH3_) {
    if ((kind == 2 || kind == 3) && Distance2(p.x, p.y, Point2()) < minDistance2) return;
    SetPoint3(p);
    HandlesMoved();
  } else if (heldBody_ || heldH2_) {
    MoveBody(p.x - grab_.x, p.y - grab_.y);
    grab_ = p;
  }
}

void TBaseControl::MoveBody(int32_t dx, int32_t dy) {
  const auto shifted = [dx, dy](TPoint q) { return TPoint{q.x + dx, q.y + dy}; };
  const TPoint p1 = Point1(), p2 = Point2(), p3 = Point3();
  switch (Kind()) {
    case 1:
      SetPoint1(Clamp(shifted(p1), kBodyMargin));
      break;
    case 2:
    case 5:
      if (Inside(shifted(p1), kBodyMargin) && Inside(shifted(p2), kBodyMargin)) {
        SetPoint1(Clamp(shifted(p1), kBodyMargin));
        SetPoint2(Clamp(shifted(p2), kBodyMargin));
      }
      break;
    case 3:
      if (Inside(shifted(p1), kBodyMargin) && Inside(shifted(p2), kBodyMargin) &&
          Inside(shifted(p3), kBodyMargin)) {
        SetPoint1(Clamp(shifted(p1), kBodyMargin));
        SetPoint2(Clamp(shifted(p2), kBodyMargin));
        SetPoint3(Clamp(shifted(p3), kBodyMargin));
      }
      break;
    case 4:
      if (Inside(shifted(p3), kBodyMargin)) SetPoint3(Clamp(shifted(p3), kBodyMargin));
      break;
    default:
      break;
  }
  if (Point1() != p1 || Point2() != p2 || Point3() != p3) HandlesMoved();
}

void TBaseControl::Draw(TFastDIB& image) {
  const TColour colour = HandleColour();
  switch (Kind()) {
    case 1:
      DrawHandle(image, X1, Y1, colour);
      break;
    case 2:
      image.Line(X1, image.Height() - 1 - Y1, X2, image.Height() - 1 - Y2, colour);
      DrawHandle(image, X1, Y1, colour);
      DrawHandle(image, X2, Y2, colour);
      break;
    case 4:
      DrawHandle(image, X3, Y3, colour);
      break;
    default:
      break;
  }
}

void TBaseControl::MouseUp(TMouseButton, TShiftState, int32_t, int32_t) {
  heldH1_ = heldH2_ = heldH3_ = heldBody_ = false;
}

}  // namespace wavora
