#include "sim_test_objects.h"

#include <algorithm>

#include "model/node_registry.h"
#include "sim/map_holder.h"

namespace wavora::test {

const TClassInfo& TTestBlock::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTestBlock>("TTestBlock", &TBaseRIControlRIMapper::StaticClassInfo())
          .Texts("Test Block", "A block of slower medium")
          .Single("n", &TTestBlock::GetN, &TTestBlock::SetN)
          .Single("X1Percent", &TTestBlock::GetX1Percent, &TTestBlock::SetX1Percent)
          .Single("Y1Percent", &TTestBlock::GetY1Percent, &TTestBlock::SetY1Percent)
          .Single("X2Percent", &TTestBlock::GetX2Percent, &TTestBlock::SetX2Percent)
          .Single("Y2Percent", &TTestBlock::GetY2Percent, &TTestBlock::SetY2Percent)
          .Build();
  return info;
}

void TTestBlock::Init() {
  TBaseRIControlRIMapper::Init();
  SetX1Percent(40);
  SetY1Percent(40);
  SetX2Percent(60);
  SetY2Percent(60);
}

void TTestBlock::MapToWater() {
  TBaseRIControlRIMapper::MapToWater();
  if (!Grid()) return;
  for (int32_t x = std::min(X1, X2); x <= std::max(X1, X2); ++x) {
    for (int32_t y = std::min(Y1, Y2); y <= std::max(Y1, Y2); ++y) {
      if (Grid()->Contains(x, y)) Grid()->Cell(x, y).SpeedFactor = MediumSpeedFactor();
    }
  }
}

const TClassInfo& TTestLine::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTestLine>("TTestLine", &TBaseControl::StaticClassInfo()).Build();
  return info;
}

const TClassInfo& TTestTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTestTool>("TTestTool", &TBaseSamplingTool::StaticClassInfo()).Build();
  return info;
}

void TTestTool::Init() {
  TBaseSamplingTool::Init();
  SetSnapToGrid(false);
}

const TClassInfo& TTestSource::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TTestSource>("TTestSource", &TBaseExciter::StaticClassInfo())
                                     .Texts("Test Source", "")
                                     .Build();
  return info;
}

void RegisterSimTestClasses() {
  static const bool registered = [] {
    RegisterMapClass(TNoneRIMap::StaticClassInfo());
    RegisterMapClass(TTestBlock::StaticClassInfo());
    RegisterExciterClass(TTestSource::StaticClassInfo());
    for (const TClassInfo* nodeClass :
         {&TWater::StaticClassInfo(), &TMapHolder::StaticClassInfo(), &TNoneRIMap::StaticClassInfo(),
          &TTestBlock::StaticClassInfo(), &TTestSource::StaticClassInfo()}) {
      if (!NodeRegistry().IsRegistered(nodeClass->ClassName())) NodeRegistry().RegisterNode(nodeClass);
    }
    return true;
  }();
  (void)registered;
}

TRef<TWater> MakeTank(int32_t width, int32_t height) {
  RegisterSimTestClasses();
  TRef<TWater> tank = MakeNode<TWater>();
  tank->add(MakeNode<TNoneRIMap>());
  tank->SetSize(width, height);
  return tank;
}

}  // namespace wavora::test
