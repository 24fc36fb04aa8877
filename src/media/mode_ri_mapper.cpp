#include "media/mode_ri_mapper.h"

#include "sim/water.h"

namespace wavora {

const TClassInfo& TModeRIMapper::StaticClassInfo() {
  using T = TModeRIMapper;
  static const TClassInfo info = TClassBuilder<T>("TModeRIMapper", &TBaseRIMap::StaticClassInfo())
                                     .Integer("Mode", &T::GetMode, &T::SetMode, 0)
                                     .Abstract()
                                     .Build();
  return info;
}

void TModeRIMapper::SetMode(int32_t value) {
  mode_ = value;
  MapToWater();
}

void TModeRIMapper::MapToWater() {
  if (!Grid() || W() == 0 || H() == 0) return;
  TBaseRIMap::MapToWater();
  const TSourceSuggestion suggestion = MapScene(*Grid());
  TWater* tank = Tank();
  if (!tank) return;
  tank->SuggestedBeamType = suggestion.beamType;
  tank->SuggestedBeamRow = suggestion.beamRow;
  tank->SuggestedSourceX = suggestion.x;
  tank->SuggestedSourceY = suggestion.y;
}

}  // namespace wavora
