#include "media/line_mapper.h"

namespace wavora {

const TClassInfo& TBasicLineRIMapper::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBasicLineRIMapper>("TBasicLineRIMapper", &TBaseRIControlRIMapper::StaticClassInfo())
          .Single("X1Percent", &TBaseControl::GetX1Percent, &TBaseControl::SetX1Percent)
          .Single("Y1Percent", &TBaseControl::GetY1Percent, &TBaseControl::SetY1Percent)
          .Single("X2Percent", &TBaseControl::GetX2Percent, &TBaseControl::SetX2Percent)
          .Single("Y2Percent", &TBaseControl::GetY2Percent, &TBaseControl::SetY2Percent)
          .Abstract()
          .Build();
  return info;
}

void TBasicLineRIMapper::Init() {
  TBaseRIControlRIMapper::Init();
  SetX1Percent(50);
  SetY1Percent(33);
  SetX2Percent(50);
  SetY2Percent(66);
}

}  // namespace wavora
