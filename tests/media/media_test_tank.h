#pragma once

#include <cstdint>
#include <memory>

#include "../sim/saved_tank.h"
#include "model/node.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora::test {

// A tank of the given size with the program's classes registered, holding the empty medium and the
// default wave source.
TRef<TWater> MakeTank(int32_t width, int32_t height);

// Switches the tank to a new medium object of class T, as the experiment menu does.
template <class T>
TRef<T> ChooseMedium(TWater& tank) {
  tank.SetRIMapClass(T::StaticClassInfo());
  return RefCast<T>(tank.GetRIMap());
}

// A tank of MakeTank switched to a new medium object of class T.
template <class T>
struct TMediumInTank {
  TRef<TWater> tank;
  TRef<T> medium;

  TMediumInTank(int32_t width, int32_t height)
      : tank(MakeTank(width, height)), medium(ChooseMedium<T>(*tank)) {}
  TConstCellRef Cell(int32_t x, int32_t y) const { return tank->Grid()->Cell(x, y); }
};

// Pointer gestures in grid coordinates (y upward), turned into the tank's image coordinates.
void Press(TWater& tank, int32_t x, int32_t y);
void Drag(TWater& tank, int32_t x, int32_t y);
void Release(TWater& tank, int32_t x, int32_t y);

inline bool IsWall(const TWater& tank, int32_t x, int32_t y) {
  return tank.Grid()->Cell(x, y).SpeedFactor == 0;
}

// The panel the object opens, as its concrete model (none when it is another kind).
template <class TPanel>
std::unique_ptr<TPanel> PanelOf(TBaseWaterObject& object) {
  return std::unique_ptr<TPanel>(dynamic_cast<TPanel*>(object.CreateControlPanel().release()));
}

// Whether two grids hold the same medium, cell for cell and bit for bit.
bool SameMedium(const TWaterGrid& a, const TWaterGrid& b);

}  // namespace wavora::test
