#include "media/barrier_mapper.h"

#include <algorithm>
#include <cmath>

#include "media/boundary_theory.h"
#include "media/wall_cell.h"
#include "sim/resource_strings.h"

namespace wavora {

namespace {

// The barrier stands on the bottom of the tank, just inside the handles' reach.
constexpr int32_t kFootRow = 5;

}  // namespace

const TClassInfo& TBarrierMapper::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBarrierMapper>("TBarrierMapper", &TBasicLineRIMapper::StaticClassInfo())
          .Texts(std::string(rs::Barrier.english), std::string(rs::BarrierDescription.english))
          .Build();
  return info;
}

void TBarrierMapper::Init() {
  TBasicLineRIMapper::Init();
  SetX1Percent(20);
  SetY1Percent(0);
  SetX2Percent(30);
  SetY2Percent(50);
}

void TBarrierMapper::MapToWater() {
  TBasicLineRIMapper::MapToWater();
  if (!Grid()) return;
  Y1 = kFootRow;
  TWaterGrid& grid = *Grid();
  const bool clearWave = !IsDragging();
  // Held to the grid as well, whatever a file put into the handles.
  const int32_t right = std::min(std::max(X1, X2), W() - 1);
  const int32_t top = std::min(Y2, H() - 1);
  for (int32_t x = std::max(std::min(X1, X2), 0); x <= right; ++x) {
    for (int32_t y = Y1; y <= top; ++y)
      MakeWall(grid.Cell(x, y), clearWave);
  }
}

void TBarrierMapper::MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  TBasicLineRIMapper::MouseUp(button, shift, X, Y);
  MapToWater();
}

bool TBarrierMapper::HitBody(int32_t x, int32_t y) const {
  return x >= std::min(X1, X2) && x < std::max(X1, X2) && y >= Y1 && y < Y2;
}

void TBarrierMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const TGeneralExciter* source = TankSource(tank);
  if (!source || W() <= 0 || H() <= 0) return;
  // The wall's cells span these columns and rows; its outline lies half a cell outside them.
  const double left = std::min(X1, X2) - 0.5;
  const double right = std::max(X1, X2) + 0.5;
  const double top = Y2 + 0.5;
  const TTheoryPoint corners[] = {{left, top}, {right, top}};
  const TTheoryPoint foot{(left + right) / 2, double(Y1)};
  const TTheoryPoint place = SourcePlace(*source);
  const auto addEdge = [&](const TTheoryRay& edge) {
    AddRay(figure, edge, ReachInTank(tank, edge));
    const double belowLevel = std::atan2(std::abs(edge.direction.y), std::abs(edge.direction.x));
    AddLabel(figure, Along(edge, 40), AngleLabel(rs::ShadowEdgeMark, belowLevel));
  };
  if (SendsPlaneWaves(*source)) {
    if (place.x < left) addEdge({corners[1], {1, 0}});
    return;
  }
  // Which side of the line from the source through c the point p lies on.
  const auto side = [&](TTheoryPoint c, TTheoryPoint p) {
    return (c.x - place.x) * (p.y - place.y) - (c.y - place.y) * (p.x - place.x);
  };
  const bool above = place.x > left && place.x < right;
  for (int i = 0; i < 2; ++i) {
    const TTheoryPoint c = corners[i];
    const TTheoryPoint other = corners[1 - i];
    // The edge passes the corner with the rest of the wall, and its foot, on the shadow side.
    if (!above && side(c, other) * side(c, foot) < 0) continue;
    AddLine(figure, place, c, true);
    addEdge({c, Unit({c.x - place.x, c.y - place.y})});
  }
}

}  // namespace wavora
