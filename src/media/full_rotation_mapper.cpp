#include "media/full_rotation_mapper.h"

#include <algorithm>
#include <cmath>

#include "sim/rounding.h"
#include "sim/scene_drawing.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr int32_t kPivotColumn = 6;
// The slope of a line that would be exactly horizontal or vertical.
constexpr double kSteepSlope = 1000;
// End handles are kept 6 cells inside the tank's edges.
constexpr int32_t kHandleMargin = 5;
// In the horizontal quick case the second end handle lies this far to the right.
constexpr int32_t kHorizontalReach = 200;

}  // namespace

const TClassInfo& TBasicFullRotationRIMapper::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBasicFullRotationRIMapper>("TBasicFullRotationRIMapper",
                                                &TBasicLineRIMapper::StaticClassInfo())
          .Integer("Mode", &TBasicFullRotationRIMapper::GetMode, &TBasicFullRotationRIMapper::SetMode, 1)
          .Single("X3Percent", &TBaseControl::GetX3Percent, &TBaseControl::SetX3Percent)
          .Single("Y3Percent", &TBaseControl::GetY3Percent, &TBaseControl::SetY3Percent)
          .Abstract()
          .Build();
  return info;
}

void TBasicFullRotationRIMapper::Init() {
  TBasicLineRIMapper::Init();
  SetMode(1);
  SetX3Percent(50);
  SetY3Percent(50);
}

void TBasicFullRotationRIMapper::GeometryChanged() {
  TBasicLineRIMapper::GeometryChanged();
  pivot_ = {kPivotColumn, H() / 2};
}

void TBasicFullRotationRIMapper::SetMode(int32_t value) {
  mode_ = value;
  MapToWater();
  // The handles the old mode placed itself stay where the user sees them.
  KeepPlace();
}

void TBasicFullRotationRIMapper::PaintRow(int32_t, int32_t, bool, int32_t, int32_t) {}

void TBasicFullRotationRIMapper::MapToWater() {
  TBasicLineRIMapper::MapToWater();
  if (!Grid() || !Grid()->HasInterior()) return;
  const int32_t w = W();
  double k = 0;
  bool side = false;
  if (!IsQuick()) {
    if (Y1 == Y2) {
      k = X1 > X2 ? kSteepSlope : -kSteepSlope;
    } else {
      k = double(X1 - X2) / double(Y1 - Y2);
    }
    side = Y1 < Y2;
  } else {
    TWater* tank = Tank();
    if (tank && FollowsSourceRow()) pivot_.y = tank->SourceRow;
    if (X3 == pivot_.x) {
      k = Y3 > pivot_.y ? kSteepSlope : -kSteepSlope;
    } else {
      k = double(Y3 - pivot_.y) / double(X3 - pivot_.x);
    }
    side = mode_ == 2;
  }
  // Accurate: the line through handles 1 and 2, k in columns per row. Quick: the line through
  // handle 3 at right angles to the pivot's direction, k in rows per column.
  const auto columnOf = [&](int32_t row) {
    const double column = IsQuick() ? X3 - (row - Y3) * k : (row - Y1) * k + X1;
    return std::min(std::max(RoundHalfEven(column), 1), w - 1);
  };
  int32_t previousX = columnOf(0);
  int32_t previousRow = 0;
  for (int32_t row = 1; row < H(); ++row) {
    const int32_t x = columnOf(row);
    PaintRow(x, row, side, previousRow, previousX);
    previousRow = row;
    previousX = x;
  }
  if (IsQuick()) {
    PlaceEndHandles(k);
  } else {
    CentreHandle3();
  }
}

TTheoryPoint TBasicFullRotationRIMapper::LineMiddle() const {
  if (IsQuick()) return {double(X3), double(Y3)};
  return {(X1 + X2) / 2.0, (Y1 + Y2) / 2.0};
}

TTheoryPoint TBasicFullRotationRIMapper::LineDirection() const {
  // Quick: at right angles to the direction from the pivot to handle 3.
  if (IsQuick()) return Unit({double(pivot_.y - Y3), double(X3 - pivot_.x)});
  return Unit({double(X2 - X1), double(Y2 - Y1)});
}

std::optional<TBoundaryMeeting> TBasicFullRotationRIMapper::SourceMeeting(const TWater& tank) const {
  const TGeneralExciter* source = TankSource(tank);
  if (!source) return std::nullopt;
  const TTheoryPoint middle = LineMiddle();
  const TTheoryPoint along = LineDirection();
  const TTheoryRay ray = SourceRayTowards(*source, middle);
  const std::optional<double> distance = MeetLine(ray, middle, along);
  if (!distance) return std::nullopt;
  return TBoundaryMeeting{ray.start,
                          Along(ray, *distance),
                          {-along.y, along.x},
                          SpeedBefore(tank, ray, *distance),
                          SpeedBeyond(tank, ray, *distance)};
}

void TBasicFullRotationRIMapper::CentreHandle3() {
  X3 = X1 + (X2 - X1) / 2;
  Y3 = Y1 + (Y2 - Y1) / 2;
}

void TBasicFullRotationRIMapper::PlaceEndHandles(double k) {
  if (X3 == pivot_.x) {
    const TPoint near{X3, Y3};
    const TPoint far{X3 + kHorizontalReach, Y3};
    const bool nearFirst = mode_ == 2 ? Y3 < pivot_.y : Y3 > pivot_.y;
    SetPoint1(nearFirst ? near : far);
    SetPoint2(nearFirst ? far : near);
    return;
  }
  // Half the length 100 each way along the line, whose direction is (-k, 1) / sqrt(k^2 + 1).
  const double length = 2 * std::sqrt(k * k + 1);
  const int32_t u = RoundHalfEven(MinHandleDistanceSquared() * k / length);
  const int32_t v = RoundHalfEven(MinHandleDistanceSquared() / length);
  const TPoint up{X3 - u, Y3 + v};
  const TPoint down{X3 + u, Y3 - v};
  SetPoint1(Clamp(mode_ == 2 ? down : up, kHandleMargin));
  SetPoint2(Clamp(mode_ == 2 ? up : down, kHandleMargin));
}

void TBasicFullRotationRIMapper::Draw(TFastDIB& image) {
  if (W() <= 0 || H() <= 0) return;
  TBasicLineRIMapper::Draw(image);
  if (IsQuick() && HoldsHandle3()) DrawDot(image, pivot_.x, pivot_.y, RGB(0, 0, 0));
  TWater* tank = Tank();
  if (tank && FollowsSourceRow() && tank->SourceRow != pivot_.y) {
    pivot_.y = tank->SourceRow;
    if (IsQuick()) MapToWater();
  }
}

}  // namespace wavora
