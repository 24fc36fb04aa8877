#include "media_test_tank.h"

#include "document/class_registration.h"
#include "sim/exciter.h"

namespace wavora::test {

TRef<TWater> MakeTank(int32_t width, int32_t height) {
  RegisterClasses();
  TRef<TWater> tank = MakeNode<TWater>();
  tank->add(MakeNode<TNoneRIMap>());
  tank->SetSize(width, height);
  tank->GetExciter();
  return tank;
}

void Press(TWater& tank, int32_t x, int32_t y) {
  tank.MouseDown(TMouseButton::Left, {}, x, tank.H() - 1 - y);
}

void Drag(TWater& tank, int32_t x, int32_t y) {
  tank.MouseMove({}, x, tank.H() - 1 - y);
}

void Release(TWater& tank, int32_t x, int32_t y) {
  tank.MouseUp(TMouseButton::Left, {}, x, tank.H() - 1 - y);
}

bool SameMedium(const TWaterGrid& a, const TWaterGrid& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int32_t x = 0; x < a.Width(); ++x) {
    for (int32_t y = 0; y < a.Height(); ++y) {
      const TConstCellRef p = a.Cell(x, y);
      const TConstCellRef q = b.Cell(x, y);
      if (p.SpeedFactor != q.SpeedFactor || p.Damping != q.Damping) return false;
    }
  }
  return true;
}

}  // namespace wavora::test
