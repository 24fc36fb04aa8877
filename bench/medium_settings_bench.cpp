#include <benchmark/benchmark.h>

#include <string>

#include "media/earth_mapper.h"
#include "media/slits_mapper.h"
#include "media/tsunami_mapper.h"
#include "media/waveguide_mapper.h"
#include "model/property_text.h"
#include "sim/water.h"

namespace wavora {
namespace {

// One mapping pass of a medium with one property set, in a 401 x 401 tank. Dragging the fibre's handle
// runs a pass per step, and the Earth's scenes compute a square root per cell.
void BM_MapToWaterWith(benchmark::State& state, const TClassInfo* mediumClass, const char* property,
                       const char* value) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(401, 401);
  tank->SetRIMapClass(*mediumClass);
  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  SetPropertyFromText(*medium, property, value, false);
  for (auto _ : state)
    medium->MapToWater();
  benchmark::DoNotOptimize(tank->Grid()->Data());
}

const bool kRegistered = [] {
  const struct {
    const TClassInfo* mediumClass;
    const char* property;
    const char* value;
  } settings[] = {
      {&TSimpleWaveGuideRIMapper::StaticClassInfo(), "FibreWidth", "30"},
      {&TSimpleWaveGuideRIMapper::StaticClassInfo(), "FibreWidth", "60"},
      {&TSlitsRIMapper::StaticClassInfo(), "Number", "1"},
      {&TSlitsRIMapper::StaticClassInfo(), "Number", "30"},
      {&TEarthRIMapper::StaticClassInfo(), "Mode", "0"},
      {&TEarthRIMapper::StaticClassInfo(), "Mode", "1"},
      {&TEarthRIMapper::StaticClassInfo(), "Mode", "3"},
      {&TEarthRIMapper::StaticClassInfo(), "Mode", "4"},
      {&TTsunamiRIMapper::StaticClassInfo(), "Mode", "0"},
      {&TTsunamiRIMapper::StaticClassInfo(), "Mode", "1"},
      {&TTsunamiRIMapper::StaticClassInfo(), "Mode", "2"},
  };
  for (const auto& s : settings) {
    const std::string name =
        "BM_MapToWaterWith/" + s.mediumClass->ClassName() + "/" + s.property + ":" + s.value;
    benchmark::RegisterBenchmark(name.c_str(), BM_MapToWaterWith, s.mediumClass, s.property, s.value)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
}  // namespace wavora
