#include "sim/exciter.h"

#include <algorithm>

#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

const TClassInfo& TBaseExciter::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TBaseExciter>("TBaseExciter", &TBaseControl::StaticClassInfo())
                                     .Texts("Base Exciter Type", "Need to change this")
                                     .Abstract()
                                     .Build();
  return info;
}

void TBaseExciter::Apply() {
  ApplyDrip();
}

bool TBaseExciter::FreezesFieldWhileDragged(const TWater& tank) const {
  const TRef<TBaseRIMap> medium = tank.GetRIMap();
  return medium && !medium->RunWhileSourceDragged();
}

void TBaseExciter::StartDrip(int32_t X, int32_t Y, bool upward) {
  dripActive_ = true;
  dripX_ = X;
  dripY_ = Y;
  dripUpward_ = upward;
}

void TBaseExciter::MoveDrip(int32_t X, int32_t Y) {
  dripX_ = X;
  dripY_ = Y;
}

void TBaseExciter::ApplyDrip() {
  if (!dripActive_ && dripAmplitude_ == 0) return;
  double a = dripAmplitude_;
  if (dripActive_ && dripUpward_) {
    if (a < 1) a = std::min(a + 0.3, 1.0);
  } else if (dripActive_) {
    if (a > -1) a = std::max(a - 0.3, -1.0);
  } else if (dripUpward_) {
    a = std::max(a - 0.3, 0.0);
  } else {
    a = std::min(a + 0.3, 0.0);
  }
  dripAmplitude_ = static_cast<float>(a);

  TWaterGrid* grid = Grid().get();
  if (!grid) return;
  const int32_t w = grid->Width();
  const int32_t h = grid->Height();
  if (dripX_ < 2 || dripX_ >= w - 3 || dripY_ < 2 || dripY_ >= h - 3) return;
  const double b = static_cast<float>(3.0 * dripAmplitude_);
  const int32_t row = h - 1 - dripY_;
  for (int32_t dx = -1; dx <= 1; ++dx) {
    for (int32_t dy = -1; dy <= 1; ++dy) {
      // Centre 1.5, edge neighbours 0.9, diagonal neighbours 0.5 times the drip.
      const int32_t ring = (dx != 0) + (dy != 0);
      const double weight = ring == 0 ? 1.5 : ring == 1 ? 0.9 : 0.5;
      const TCellRef cell = grid->Cell(dripX_ + dx, row + dy);
      cell.Displacement = static_cast<float>(weight * b);
      cell.Velocity = 0;
    }
  }
}

}  // namespace wavora
