#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "image/fast_dib.h"
#include "sim/field_file.h"
#include "sim/general_exciter.h"
#include "sim/water_stepper.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

// A tank with a point source, a block of slower medium and its absorbing border, two cells driven
// into the clip, stepped 500 times in frames of five steps with the image drawn on every fifth; then
// the image drawn again from the final field without stepping.
struct TSteppedTank {
  TRef<TWater> tank;
  TFastDIB image;
  TFastDIB redrawn;
};

TSteppedTank RunTank(int32_t width, int32_t height, TStepSettings settings) {
  TSteppedTank run{MakeTank(width, height), TFastDIB(width, height), TFastDIB(width, height)};
  TWater& tank = *run.tank;
  tank.Stepper().SetSettings(settings);
  tank.SetRIMapClass(TTestBlock::StaticClassInfo());
  RefCast<TTestBlock>(tank.GetRIMap())->SetN(0.5f);
  tank.add(MakeNode<TGeneralExciter>());
  if (width > 4 && height > 4) {
    tank.Grid()->Cell(width / 3, height / 3) = {3.4f, 0.5f, 0.5f, 0.999f};
    tank.Grid()->Cell(width - 3, height - 3) = {-3.4f, -0.6f, 0.3f, 1.0f};
  }
  for (int frame = 0; frame < 100; ++frame) {
    for (int step = 0; step < 4; ++step)
      tank.Step();
    tank.StepAndDraw(run.image);
  }
  tank.DrawOnly(run.redrawn);
  return run;
}

// The plain loops on one thread, once per size.
const TSteppedTank& PlainTank(int32_t width, int32_t height) {
  static std::map<std::pair<int32_t, int32_t>, TSteppedTank> runs;
  auto found = runs.find({width, height});
  if (found == runs.end())
    found = runs.emplace(std::pair{width, height}, RunTank(width, height, {TSweepPath::kPlain, 1, 1})).first;
  return found->second;
}

using TPathCase = std::tuple<std::tuple<int32_t, int32_t>, std::tuple<TSweepPath, int>>;

class StepPaths : public testing::TestWithParam<TPathCase> {};

// Every vector path and any split into threads gives the plain loops' field and images to the bit,
// also where the sides are no multiple of the vector width and runs are a single column wide.
TEST_P(StepPaths, MatchThePlainLoopsToTheBit) {
  const auto& [size, pathAndThreads] = GetParam();
  const auto [width, height] = size;
  const auto [path, threads] = pathAndThreads;
  if (!PathAvailable(path)) GTEST_SKIP() << "this processor lacks the path";
  const TSteppedTank& plain = PlainTank(width, height);
  const TSteppedTank fast = RunTank(width, height, {path, threads, 1, 1});
  const TWaterGrid& expected = *plain.tank->Grid();
  const TWaterGrid& actual = *fast.tank->Grid();
  EXPECT_TRUE(EncodeFieldFile(expected) == EncodeFieldFile(actual));
  const size_t imageBytes = size_t(plain.image.BytesPerRow()) * plain.image.Height();
  if (imageBytes > 0) {
    EXPECT_EQ(std::memcmp(plain.image.Bits(), fast.image.Bits(), imageBytes), 0);
    EXPECT_EQ(std::memcmp(plain.redrawn.Bits(), fast.redrawn.Bits(), imageBytes), 0);
  }
}

std::string CaseName(const testing::TestParamInfo<TPathCase>& info) {
  static const char* const kPaths[] = {"Plain", "Sse2", "Avx2"};
  const auto& [size, pathAndThreads] = info.param;
  const auto [path, threads] = pathAndThreads;
  return std::to_string(std::get<0>(size)) + "x" + std::to_string(std::get<1>(size)) + "_" +
         kPaths[static_cast<int>(path)] + "_" + std::to_string(threads) + "threads";
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StepPaths,
    testing::Combine(testing::Values(std::tuple{401, 250}, std::tuple{37, 53}, std::tuple{6, 9},
                                     std::tuple{3, 3}),
                     testing::Values(std::tuple{TSweepPath::kPlain, 2}, std::tuple{TSweepPath::kPlain, 3},
                                     std::tuple{TSweepPath::kSse2, 1}, std::tuple{TSweepPath::kSse2, 2},
                                     std::tuple{TSweepPath::kAvx2, 1}, std::tuple{TSweepPath::kAvx2, 2},
                                     std::tuple{TSweepPath::kAvx2, 3})),
    CaseName);

}  // namespace
}  // namespace wavora::test
