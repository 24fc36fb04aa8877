#include "media/mode_ri_mapper.h"

#include "media/boundary_theory.h"
#include "sim/resource_strings.h"
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

void TModeRIMapper::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const TGeneralExciter* source = TankSource(tank);
  if (!source || tank.StepsRun() == 0) return;
  const TTheoryPoint place = SourcePlace(*source);
  const double distance = FrontDistance(tank, *source);
  if (SendsPlaneWaves(*source)) {
    const double x = place.x + distance;
    AddLine(figure, {x, 1}, {x, H() - 2.0});
    AddLabel(figure, {x, place.y}, LengthLabel(rs::FrontMark, distance));
    return;
  }
  figure.circles.push_back({place.x, place.y, distance});
  AddLabel(figure, {place.x, place.y + distance}, LengthLabel(rs::FrontMark, distance));
}

}  // namespace wavora
