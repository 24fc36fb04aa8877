#include <benchmark/benchmark.h>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "model/property_text.h"
#include "sim/ri_map.h"

namespace wavora {
namespace {

// One mapping pass of a line object or curved mirror in a 401 x 401 tank, with one setting chosen
// (its Mode or MirrorType); every drag step of a handle runs one.
void BM_MapToWater(benchmark::State& state, const char* className, const char* setting, const char* value) {
  RegisterClasses();
  const TRef<TSlideshow> slideshow = NewSlideshow(401, 401);
  const TRef<TWater> tank = slideshow->GetActiveWater();
  tank->SetRIMapClass(*MapClass(MapClassIndexOf(className)));
  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  if (*setting) SetPropertyFromText(*medium, setting, value, false);
  for (auto _ : state) {
    medium->MapToWater();
    benchmark::ClobberMemory();
  }
}

BENCHMARK_CAPTURE(BM_MapToWater, Refraction_quick, "TRefractionMapper", "Mode", "1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, Refraction_accurate, "TRefractionMapper", "Mode", "0")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, PlaneMirror_quick, "TPlaneMirror", "Mode", "1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, PlaneMirror_accurate, "TPlaneMirror", "Mode", "0")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, CurvedMirror_circle_quick, "TCurvedMirror", "MirrorType", "0")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, CurvedMirror_parabola_quick, "TCurvedMirror", "MirrorType", "1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, CurvedMirror_circle_accurate, "TCurvedMirror", "MirrorType", "2")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, CurvedMirror_parabola_accurate, "TCurvedMirror", "MirrorType", "3")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_MapToWater, Barrier, "TBarrierMapper", "", "")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace wavora
