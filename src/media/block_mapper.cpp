#include "media/block_mapper.h"

#include <algorithm>
#include <cmath>

#include "image/fast_dib.h"
#include "media/boundary_theory.h"
#include "media/speed_span.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/water.h"

namespace wavora {

namespace {

// Below this |Sn| the block counts as unturned (or turned by half a turn), below it |Cs| as turned
// by a quarter: both are filled as plain rectangles.
constexpr double kSquareTurn = 0.025;
// Corners must keep this many cells from every edge of the tank after a drag.
constexpr int32_t kEdgeMargin = 6;
// A drag never shrinks an extent to 3 cells or fewer in search of a fit.
constexpr int32_t kSmallestExtent = 3;

// A point relative to the block's centre, grid axes.
struct TVec {
  double x, y;
};

// P0 = (-a, b), P1 = (-a, -b), P2 = (a, -b), P3 = (a, b), turned by (x, y) -> (x Cs - y Sn, x Sn + y Cs).
std::array<TVec, 4> Corners(float cs, float sn, int32_t a, int32_t b) {
  const std::array<TVec, 4> frame = {TVec{-double(a), double(b)}, TVec{-double(a), -double(b)},
                                     TVec{double(a), -double(b)}, TVec{double(a), double(b)}};
  std::array<TVec, 4> turned{};
  for (size_t i = 0; i < 4; ++i)
    turned[i] = {frame[i].x * cs - frame[i].y * sn, frame[i].x * sn + frame[i].y * cs};
  return turned;
}

// x per unit of y along the edge from a to b; 0 for a level edge.
double Slope(TVec a, TVec b) {
  return b.y == a.y ? 0.0 : (b.x - a.x) / (b.y - a.y);
}

void FillRectangle(TWaterGrid& grid, int64_t x0, int64_t x1, int64_t y0, int64_t y1, float speedFactor) {
  for (int64_t y = std::max<int64_t>(y0, 0); y <= std::min<int64_t>(y1, grid.Height() - 1); ++y)
    FillSpeedSpan(grid, x0, x1, y, speedFactor);
}

// One side of the scan: from start along the edge towards target.
struct TChain {
  TVec start;
  TVec target;
  double slope;
};

// The rows k = 0 .. d above the left chain's start row, each from the left chain to the right chain.
// Only rows inside the grid are visited, so values no drag produces cannot make the loop long.
void FillBetween(TWaterGrid& grid, const TChain& left, const TChain& right, double d, int32_t cx, int32_t cy,
                 float speedFactor) {
  if (std::isnan(d) || d < 0) return;
  const int64_t firstRow = int64_t(cy) + RoundHalfEven(left.start.y);
  const int64_t kFirst = std::max<int64_t>(0, -firstRow);
  const int64_t kLast = static_cast<int64_t>(std::min(d, double(grid.Height() - 1 - firstRow)));
  for (int64_t k = kFirst; k <= kLast; ++k) {
    const int32_t xl = RoundHalfEven(double(k) * left.slope + left.start.x);
    const int32_t xr = RoundHalfEven(double(k) * right.slope + right.start.x);
    FillSpeedSpan(grid, int64_t(cx) + xl, int64_t(cx) + xr, firstRow + k, speedFactor);
  }
}

// The turned rectangle, row by row: two chains climb from the bottom vertex, one towards the left
// vertex and one towards the right; whenever one reaches its vertex it turns towards the top.
void ScanFill(TWaterGrid& grid, const std::array<TVec, 4>& p, int32_t cx, int32_t cy, float speedFactor) {
  TVec bottom = p[0], top = p[1], right = p[2], left = p[3];
  for (size_t i = 1; i < 4; ++i) {
    if (p[i].y < bottom.y) bottom = p[i];
    if (p[(i + 1) % 4].y > top.y) top = p[(i + 1) % 4];
    if (p[(i + 2) % 4].x > right.x) right = p[(i + 2) % 4];
    if (p[(i + 3) % 4].x < left.x) left = p[(i + 3) % 4];
  }
  TChain leftChain{bottom, left, Slope(bottom, left)};
  TChain rightChain{bottom, right, Slope(bottom, right)};
  for (int phase = 1; phase <= 3; ++phase) {
    const bool rightTurns = leftChain.target.y >= rightChain.target.y;
    TChain& turning = rightTurns ? rightChain : leftChain;
    TChain& other = rightTurns ? leftChain : rightChain;
    const double height = turning.target.y - turning.start.y;
    FillBetween(grid, leftChain, rightChain, std::trunc(height), cx, cy, speedFactor);
    other.start.x += height * other.slope;
    other.start.y += height;
    turning.start = turning.target;
    turning.target = top;
    if (phase < 3) turning.slope = Slope(turning.start, top);
  }
}

}  // namespace

const TClassInfo& TBlockRIMapper::StaticClassInfo() {
  using T = TBlockRIMapper;
  static const TClassInfo info =
      TClassBuilder<T>("TBlockRIMapper", &TOwnHandlesRIMapper::StaticClassInfo())
          .Texts(std::string(rs::Block.english), std::string(rs::BlockDescription.english))
          .Single("Cs", &T::GetCs, &T::SetCs)
          .Single("Sn", &T::GetSn, &T::SetSn)
          .Single("WidthPercentage", &T::GetWidthPercentage, &T::SetWidthPercentage)
          .Single("HeightPercentage", &T::GetHeightPercentage, &T::SetHeightPercentage)
          .Single("n", &T::GetN, &T::SetN)
          .Build();
  return info;
}

void TBlockRIMapper::Init() {
  TOwnHandlesRIMapper::Init();
  SetWidthPercentage(40);
  SetHeightPercentage(25);
  cs_ = 1;
  sn_ = 0;
}

void TBlockRIMapper::MapToWater() {
  if (!Grid()) return;
  TOwnHandlesRIMapper::MapToWater();
  const int32_t cx = W() / 2;
  const int32_t cy = H() / 2;
  const int32_t a = width_.cells / 2;
  const int32_t b = height_.cells / 2;
  const std::array<TVec, 4> p = Corners(cs_, sn_, a, b);
  // Handle i sits halfway between corners i and i + 1: left, bottom, right and top side.
  for (size_t i = 0; i < 4; ++i) {
    const TVec& from = p[i];
    const TVec& to = p[(i + 1) % 4];
    handles_[i] = {static_cast<float>((from.x + to.x) / 2 + cx),
                   static_cast<float>((from.y + to.y) / 2 + cy)};
  }
  TWaterGrid& grid = *Grid();
  const float speedFactor = MediumSpeedFactor();
  if (std::fabs(double(sn_)) < kSquareTurn) {
    FillRectangle(grid, int64_t(cx) - a, int64_t(cx) + a - 1, int64_t(cy) - b, int64_t(cy) + b - 1,
                  speedFactor);
  } else if (std::fabs(double(cs_)) < kSquareTurn) {
    FillRectangle(grid, int64_t(cx) - b, int64_t(cx) + b - 1, int64_t(cy) - a, int64_t(cy) + a - 1,
                  speedFactor);
  } else {
    ScanFill(grid, p, cx, cy, speedFactor);
  }
}

bool TBlockRIMapper::Fits(float cs, float sn, int32_t width, int32_t height) const {
  const int32_t cx = W() / 2;
  const int32_t cy = H() / 2;
  for (const TVec& corner : Corners(cs, sn, width / 2, height / 2)) {
    const int64_t x = int64_t(cx) + RoundHalfEven(corner.x);
    const int64_t y = int64_t(cy) + RoundHalfEven(corner.y);
    if (x < kEdgeMargin || x >= W() - kEdgeMargin || y < kEdgeMargin || y >= H() - kEdgeMargin) return false;
  }
  return true;
}

bool TBlockRIMapper::TakeHandle(int32_t X, int32_t Y) {
  bool taken = false;
  for (int i = 0; i < 4; ++i) {
    const std::optional<TPoint> cell = HandleCell(i);
    if (cell && NearPoint(X, H() - Y, *cell)) {
      taken = true;
      heldIndex_ = i;
    }
  }
  return taken;
}

void TBlockRIMapper::DragHandle(int32_t X, int32_t Y) {
  if (!Grid()) return;
  // Image rows grow downward, so dy does too, while the turn is measured with grid rows upward.
  const double dx = double(X) - W() / 2;
  const double dy = double(Y) - H() / 2;
  const double r = std::sqrt(dx * dx + dy * dy);
  if (!(r > 1.0)) return;
  float cs = cs_, sn = sn_;
  int32_t width = width_.cells, height = height_.cells;
  switch (heldIndex_) {
    case 0:
    case 2: {
      // The left handle lies along -(Cs, Sn) from the centre, the right one along (Cs, Sn).
      const double sign = heldIndex_ == 0 ? -1.0 : 1.0;
      cs = static_cast<float>(sign * dx / r);
      sn = static_cast<float>(-sign * dy / r);
      width = RoundHalfEven(2 * std::fabs(dx * cs - dy * sn));
      break;
    }
    default: {
      // The bottom handle lies along (Sn, -Cs), the top one along (-Sn, Cs).
      const double sign = heldIndex_ == 1 ? 1.0 : -1.0;
      cs = static_cast<float>(sign * dy / r);
      sn = static_cast<float>(sign * dx / r);
      height = RoundHalfEven(2 * std::fabs(dx * sn + dy * cs));
      break;
    }
  }
  // No extent above twice the tank's width plus height can fit, and shrinking one cell at a time
  // passes through that size anyway: starting there keeps a far-away pointer from costing a long loop.
  const int32_t largest = 2 * (W() + H());
  width = std::min(width, largest);
  height = std::min(height, largest);
  bool fits = Fits(cs, sn, width, height);
  while (!fits && height > kSmallestExtent && width > kSmallestExtent) {
    if (height <= width) {
      --width;
    } else {
      --height;
    }
    fits = Fits(cs, sn, width, height);
  }
  if (!fits) return;
  cs_ = cs;
  sn_ = sn;
  width_.cells = width;
  height_.cells = height;
  MapToWater();
}

std::vector<TPoint> TBlockRIMapper::Handles() const {
  std::vector<TPoint> cells;
  for (int i = 0; i < 4; ++i) {
    if (const std::optional<TPoint> cell = HandleCell(i)) cells.push_back(*cell);
  }
  return cells;
}

std::optional<TPoint> TBlockRIMapper::HandleCell(int index) const {
  const THandlePoint& handle = handles_[static_cast<size_t>(index)];
  const TPoint cell{RoundHalfEven(handle.x), RoundHalfEven(handle.y)};
  // Only values no drag produces put a handle off the tank: it can then be neither seen nor taken.
  if (!Grid() || !Grid()->Contains(cell.x, cell.y)) return std::nullopt;
  return cell;
}

namespace {

// A side of the block: its middle, half its length along its unit tangent, and its outward normal.
struct TFace {
  TTheoryPoint middle, tangent, normal;
  double halfLength;
};

// Where the ray first meets one of the faces (ignoring meetings closer than a tenth of a cell, so a
// ray leaving a face does not meet it again): the distance and the face.
std::optional<std::pair<double, TFace>> FirstFace(const TTheoryRay& ray, const std::array<TFace, 4>& faces) {
  std::optional<std::pair<double, TFace>> first;
  for (const TFace& face : faces) {
    const std::optional<double> t = MeetLine(ray, face.middle, face.tangent);
    if (!t || *t < 0.1 || (first && *t >= first->first)) continue;
    const TTheoryPoint p = Along(ray, *t);
    const double along = Dot({p.x - face.middle.x, p.y - face.middle.y}, face.tangent);
    if (std::abs(along) <= face.halfLength) first = std::pair{*t, face};
  }
  return first;
}

}  // namespace

void TBlockRIMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const TGeneralExciter* source = TankSource(tank);
  if (!source || W() <= 0 || H() <= 0) return;
  const TTheoryPoint centre{double(W() / 2), double(H() / 2)};
  const std::array<TVec, 4> p = Corners(cs_, sn_, width_.cells / 2, height_.cells / 2);
  std::array<TFace, 4> faces{};
  for (size_t i = 0; i < 4; ++i) {
    const TVec& from = p[i];
    const TVec& to = p[(i + 1) % 4];
    const TTheoryPoint tangent = Unit({to.x - from.x, to.y - from.y});
    const TTheoryPoint middle{centre.x + (from.x + to.x) / 2, centre.y + (from.y + to.y) / 2};
    TTheoryPoint normal{-tangent.y, tangent.x};
    if (Dot(normal, {middle.x - centre.x, middle.y - centre.y}) < 0) normal = {-normal.x, -normal.y};
    faces[i] = {middle, tangent, normal, std::hypot(to.x - from.x, to.y - from.y) / 2};
  }
  // The face the source sees most squarely.
  const TTheoryPoint place = SourcePlace(*source);
  const auto facing = std::max_element(faces.begin(), faces.end(), [&](const TFace& a, const TFace& b) {
    return Dot(a.normal, Unit({place.x - a.middle.x, place.y - a.middle.y})) <
           Dot(b.normal, Unit({place.x - b.middle.x, place.y - b.middle.y}));
  });
  const TTheoryRay ray = SourceRayTowards(*source, facing->middle);
  const auto entry = FirstFace(ray, faces);
  if (!entry) return;
  const auto& [toEntry, entryFace] = *entry;
  const std::optional<TTheoryRay> inside =
      AddRefraction({ray.start, Along(ray, toEntry), entryFace.normal, SpeedBefore(tank, ray, toEntry),
                     SpeedBeyond(tank, ray, toEntry)},
                    figure);
  if (!inside) return;
  const auto exit = FirstFace(*inside, faces);
  if (!exit) return;
  const auto& [toExit, exitFace] = *exit;
  const std::optional<TTheoryRay> leaving =
      AddRefraction({inside->start, Along(*inside, toExit), exitFace.normal,
                     SpeedBefore(tank, *inside, toExit), SpeedBeyond(tank, *inside, toExit)},
                    figure);
  if (!leaving) return;
  // Out of the block it runs to the tank's edge; reflected inside, to the next face.
  const auto next = FirstFace(*leaving, faces);
  const bool outward = Dot(leaving->direction, exitFace.normal) > 0;
  AddRay(figure, *leaving, outward || !next ? ReachInTank(tank, *leaving) : next->first);
}

}  // namespace wavora
