#include "media/lens_mapper.h"

#include <cmath>

#include "image/fast_dib.h"
#include "media/boundary_theory.h"
#include "media/lens_cp.h"
#include "media/speed_span.h"
#include "media/wall_cell.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/scene_drawing.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr TColour kSecondFocusColour = RGB(59, 42, 25);
// The focus keeps at least this many cells right of the lens.
constexpr int32_t kShortestFocalLength = 5;
// The lens's half-thickness stays this many cells under a third of the tank's width.
constexpr int32_t kThicknessMargin = 20;

}  // namespace

const TClassInfo& TBasicLensRIMapper::StaticClassInfo() {
  using T = TBasicLensRIMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TBasicLensRIMapper", &TOwnHandlesRIMapper::StaticClassInfo())
          .Single("FPercent", &T::GetFPercent, &T::SetFPercent)
          .Single("n", &T::GetN, &T::SetN)
          .Abstract()
          .Build();
  return info;
}

void TBasicLensRIMapper::Init() {
  TOwnHandlesRIMapper::Init();
  SetFPercent(50);
  SetN(0.35f);
}

int32_t TBasicLensRIMapper::LensHalfWidth(int32_t, double, double) const {
  return 2;
}

void TBasicLensRIMapper::MapToWater() {
  if (!Grid()) return;
  const int32_t cx = W() / 3;
  const double s = ProfileScale();
  const int32_t cy = H() / 2;
  // The half aperture shrinks until the half-thickness t keeps its margin. s is 0 at n = 1 or F = 0,
  // where the profile is undefined: no lens then, only the screen. The loop also ends at h = 0,
  // which a tank narrower than 60 cells (a negative limit) would otherwise never reach.
  const int32_t thickest = W() / 3 - kThicknessMargin;
  int32_t h = 0;
  double t = 0;
  if (s > 0) {
    h = W() / 3;
    t = double(h) * h / s;
    while (h > 0 && t > thickest) {
      --h;
      t = double(h) * h / s;
    }
  }
  TOwnHandlesRIMapper::MapToWater();
  halfAperture_ = h;
  halfThickness_ = t;
  focus_ = {cx + F_.cells, cy};
  secondFocus_ = {cx - F_.cells, cy};

  TWaterGrid& grid = *Grid();
  if (cx >= grid.Width()) return;
  const TColumn screen = grid.Column(cx);
  for (int32_t y = 0; y < grid.Height(); ++y)
    MakeWall(screen[y], true);
  const float speedFactor = MediumSpeedFactor();
  for (int32_t j = 0; j < h; ++j) {
    const int64_t w = LensHalfWidth(j, s, t);
    if (w < 0) continue;
    FillSpeedSpan(grid, cx - w, cx + w, int64_t(cy) + j, speedFactor);
    FillSpeedSpan(grid, cx - w, cx + w, int64_t(cy) - j, speedFactor);
  }
}

void TBasicLensRIMapper::DragHandle(int32_t X, int32_t) {
  const int32_t cx = W() / 3;
  if (X < cx + kShortestFocalLength) {
    F_.cells = kShortestFocalLength;
  } else if (X >= W()) {
    F_.cells = W() - cx - 1;
  } else {
    F_.cells = X - cx;
  }
  MapToWater();
}

void TBasicLensRIMapper::Draw(TFastDIB& image) {
  TOwnHandlesRIMapper::Draw(image);
  DrawDot(image, secondFocus_.x, secondFocus_.y, kSecondFocusColour);
}

const TClassInfo& TLensMapper::StaticClassInfo() {
  using T = TLensMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TLensMapper", &TBasicLensRIMapper::StaticClassInfo())
          .Texts(std::string(rs::Lenses.english), std::string(rs::LensesDescription.english))
          .Integer("LensType", &T::GetLensType, &T::SetLensType)
          .Build();
  return info;
}

void TLensMapper::SetLensType(int32_t value) {
  if (value == lensType_) return;
  lensType_ = value;
  MapToWater();
}

int32_t TLensMapper::LensHalfWidth(int32_t j, double s, double t) const {
  const double j2 = double(j) * j;
  switch (lensType_) {
    case 0:
      return RoundHalfEven(t - j2 / s);
    case 1:
      return RoundHalfEven(j2 / s);
    default:
      return j;
  }
}

std::unique_ptr<TControlPanelModel> TLensMapper::CreateControlPanel() {
  return std::make_unique<TLensControlpanel>(this);
}

void TLensMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const double s = ProfileScale();
  // Only the convex and the concave lens have curved surfaces; without lens rows only the screen is left.
  if ((lensType_ != 0 && lensType_ != 1) || HalfAperture() <= 0 || s <= 0) return;
  const double cx = W() / 3;
  const double cy = H() / 2;
  // Each surface x = +-(w0 -+ j^2 / s) has radius s / 2 at the axis; the lens's cells run from
  // cx - w0 to cx + w0, so its thickness on the axis is 2 w0 + 1.
  const double w0 = LensHalfWidth(0, s, HalfThickness());
  const double thickness = 2 * w0 + 1;
  const double radius = lensType_ == 0 ? s / 2 : -s / 2;
  const double r1 = radius, r2 = -radius;
  const double inLens = WaveSpeedAt(tank, cx, cy);
  const double outside = WaveSpeedAt(tank, cx + w0 + 3, cy);
  if (inLens <= 0 || outside <= 0) return;
  // The index relative to the water around: mu = c_water / c_lens. Thick-lens equation:
  // 1/f = (mu - 1) (1/R1 - 1/R2 + (mu - 1) d / (mu R1 R2)); the back focus lies f (1 - (mu - 1) d / (mu R1))
  // beyond the back surface, the front focus f (1 + (mu - 1) d / (mu R2)) before the front surface.
  const double mu = outside / inLens;
  const double power = (mu - 1) * (1 / r1 - 1 / r2 + (mu - 1) * thickness / (mu * r1 * r2));
  if (power == 0) return;
  const double f = 1 / power;
  const double back = cx + w0 + 0.5;
  const double front = cx - w0 - 0.5;
  const double backFocus = back + f * (1 - (mu - 1) * thickness / (mu * r1));
  const double frontFocus = front - f * (1 + (mu - 1) * thickness / (mu * r2));
  AddMark(figure, {backFocus, cy}, LengthLabel(rs::FocusMark, backFocus - cx));
  const std::optional<TTheoryPoint> point = PointSourcePlace(tank);
  if (!point) return;
  // A point source left of the lens: object and image distances from the principal planes, which lie
  // f from the focal points.
  const TTheoryPoint place = *point;
  const double frontPrincipal = frontFocus + f;
  const double backPrincipal = backFocus - f;
  const double u = frontPrincipal - place.x;
  if (place.x >= front) return;
  const std::optional<double> v = ImageDistance(u, f);
  if (!v) return;
  const TTheoryPoint image{backPrincipal + *v, cy - (place.y - cy) * *v / u};
  AddMark(figure, image, rs::ImageMark.Str());
}

}  // namespace wavora
