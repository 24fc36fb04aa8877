#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "document/class_registration.h"
#include "media/block_mapper.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {
namespace {

// One mapping pass of a medium in a 401 x 401 tank: every drag step of a medium's handles runs one,
// so it has to stay well inside a frame. Turning the block, if given, makes it take the scan fill.
void BM_MapToWater(benchmark::State& state, const TClassInfo* mediumClass, double blockTurn) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(401, 401);
  tank->SetRIMapClass(*mediumClass);
  const TRef<TBaseRIMap> medium = tank->GetRIMap();
  if (const TRef<TBlockRIMapper> block = RefCast<TBlockRIMapper>(medium)) {
    block->SetCs(static_cast<float>(std::cos(blockTurn)));
    block->SetSn(static_cast<float>(std::sin(blockTurn)));
  }
  for (auto _ : state)
    medium->MapToWater();
  benchmark::DoNotOptimize(tank->Grid()->Data());
}

// Every medium of the experiment list, named by its class, and the block turned by 30 degrees.
const bool kRegistered = [] {
  RegisterClasses();
  for (int i = 0; i < MapClassCount(); ++i) {
    const TClassInfo* mediumClass = MapClass(i);
    benchmark::RegisterBenchmark(("BM_MapToWater/" + mediumClass->ClassName()).c_str(), BM_MapToWater,
                                 mediumClass, 0.0)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("BM_MapToWater/TBlockRIMapper/turned", BM_MapToWater,
                               &TBlockRIMapper::StaticClassInfo(), std::acos(-1.0) / 6)
      ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
}  // namespace wavora
