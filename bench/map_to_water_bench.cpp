#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "document/class_registration.h"
#include "model/property_text.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {
namespace {

using TSettings = std::vector<std::pair<const char*, const char*>>;

// One mapping pass of a medium in a 401 x 401 tank: every drag step of a medium's handles runs one,
// so it has to stay well inside a frame.
void BM_MapToWater(benchmark::State& state, const TClassInfo* mediumClass, const TSettings& settings) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(401, 401);
  tank->SetRIMapClass(*mediumClass);
  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  for (const auto& [property, value] : settings)
    SetPropertyFromText(*medium, property, value, false);
  for (auto _ : state)
    medium->MapToWater();
  benchmark::DoNotOptimize(tank->Grid()->SpeedFactors(0));
}

// Settings that take another path through a medium's mapping than its defaults.
struct TVariant {
  const char* className;
  const char* name;
  TSettings settings;
};
const std::vector<TVariant>& Variants() {
  static const std::vector<TVariant> variants = {
      {"TBlockRIMapper", "turned", {{"Cs", "0.8660254"}, {"Sn", "0.5"}}},  // the scan fill
      {"TRefractionMapper", "accurate", {{"Mode", "0"}}},
      {"TPlaneMirror", "accurate", {{"Mode", "0"}}},
      {"TCurvedMirror", "parabola_quick", {{"MirrorType", "1"}}},
      {"TCurvedMirror", "circle_accurate", {{"MirrorType", "2"}}},
      {"TCurvedMirror", "parabola_accurate", {{"MirrorType", "3"}}},
      {"TSlitsRIMapper", "grating_30", {{"Number", "30"}}},
      {"TSimpleWaveGuideRIMapper", "width_60", {{"FibreWidth", "60"}}},
      {"TEarthRIMapper", "refraction", {{"Mode", "1"}}},
      {"TEarthRIMapper", "p_waves", {{"Mode", "3"}}},
      {"TEarthRIMapper", "s_waves", {{"Mode", "4"}}},
      {"TTsunamiRIMapper", "atlantic", {{"Mode", "1"}}},
      {"TTsunamiRIMapper", "beach", {{"Mode", "2"}}},
  };
  return variants;
}

// Every medium of the experiment list with its defaults, named by its class, then the variants.
const bool kRegistered = [] {
  RegisterClasses();
  for (int i = 0; i < MapClassCount(); ++i) {
    const TClassInfo* mediumClass = MapClass(i);
    benchmark::RegisterBenchmark(("BM_MapToWater/" + mediumClass->ClassName()).c_str(), BM_MapToWater,
                                 mediumClass, TSettings{})
        ->Unit(benchmark::kMicrosecond);
  }
  for (const TVariant& variant : Variants()) {
    const int index = MapClassIndexOf(variant.className);
    if (index < 0) continue;
    benchmark::RegisterBenchmark(
        ("BM_MapToWater/" + std::string(variant.className) + "/" + variant.name).c_str(), BM_MapToWater,
        MapClass(index), variant.settings)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
}  // namespace wavora
