#pragma once

#include <cstdint>

#include "document/class_registration.h"
#include "model/node.h"
#include "sim/water.h"

namespace wavora::test {

// A W x H tank switched to a new medium object of class T, as choosing the experiment does.
template <class T>
struct TMediumInTank {
  TRef<TWater> tank;
  TRef<T> medium;

  TMediumInTank(int32_t width, int32_t height) : tank(MakeNode<TWater>()) {
    RegisterClasses();
    tank->SetSize(width, height);
    tank->SetRIMapClass(T::StaticClassInfo());
    medium = RefCast<T>(tank->GetRIMap());
  }
  const TWaterCell& Cell(int32_t x, int32_t y) const { return tank->Grid()->Cell(x, y); }
};

}  // namespace wavora::test
