#pragma once

#include <cstdint>

#include "model/node.h"
#include "sim/water.h"

namespace wavora::test {

// A tank of the given size with the program's classes registered, holding a new medium object of
// class T (chosen the way the experiment menu does) and the default wave source.
TRef<TWater> MakeTank(int32_t width, int32_t height);

template <class T>
TRef<T> ChooseMedium(TWater& tank) {
  tank.SetRIMapClass(T::StaticClassInfo());
  return RefCast<T>(tank.GetRIMap());
}

// A tank of MakeTank switched to a new medium object of class T, as choosing the experiment does.
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

}  // namespace wavora::test
