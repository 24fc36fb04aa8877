#include "media/barrier_mapper.h"

#include <algorithm>

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

}  // namespace wavora
