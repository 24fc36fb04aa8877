#pragma once

#include <memory>
#include <string>

#include "model/node_files.h"
#include "model/node_registry.h"
#include "model/stream.h"
#include "sim/map_holder.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora::test {

// A tank of width x height cells whose medium object is a new TMapper, chosen as the experiment
// menu chooses it.
template <class TMapper>
TRef<TMapper> MediumIn(const TRef<TWater>& tank) {
  tank->SetRIMapClass(TMapper::StaticClassInfo());
  return RefCast<TMapper>(tank->GetRIMap());
}

inline TRef<TWater> MakeTank(int32_t width, int32_t height) {
  TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(width, height);
  return tank;
}

// The panel the object opens, as its concrete model (none when it is another kind).
template <class TPanel>
std::unique_ptr<TPanel> PanelOf(TBaseWaterObject& object) {
  return std::unique_ptr<TPanel>(dynamic_cast<TPanel*>(object.CreateControlPanel().release()));
}

// The tank saved as text and read back, sized as the document sizes every tank it opens.
inline TRef<TWater> Reloaded(const TWater& tank) {
  for (const TClassInfo* nodeClass :
       {&TWater::StaticClassInfo(), &TMapHolder::StaticClassInfo(), &tank.GetRIMap()->ClassInfo()}) {
    if (!NodeRegistry().IsRegistered(nodeClass->ClassName())) NodeRegistry().RegisterNode(nodeClass);
  }
  TStream saved;
  tank.SaveToStream(saved, true, 0);
  TStream stream(saved.Data());
  TRef<TWater> loaded = RefCast<TWater>(ReadNodeFromStream(stream));
  if (loaded) loaded->SetSize(tank.W(), tank.H());
  return loaded;
}

// Whether two grids hold the same medium, cell for cell and bit for bit.
inline bool SameMedium(const TWaterGrid& a, const TWaterGrid& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int32_t x = 0; x < a.Width(); ++x) {
    for (int32_t y = 0; y < a.Height(); ++y) {
      const TWaterCell& p = a.Cell(x, y);
      const TWaterCell& q = b.Cell(x, y);
      if (p.SpeedFactor != q.SpeedFactor || p.Damping != q.Damping) return false;
    }
  }
  return true;
}

}  // namespace wavora::test
