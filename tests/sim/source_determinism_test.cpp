#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "image/bmp_file.h"
#include "sim/field_file.h"
#include "sim/general_exciter.h"
#include "sim/random_numbers.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

// FNV-1a, 64 bits.
uint64_t Digest(const void* data, size_t size) {
  uint64_t hash = 14695981039346656037ull;
  const auto* bytes = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 1099511628211ull;
  }
  return hash;
}

struct TReferenceTank {
  const char* name;
  int32_t shape;
  bool medium;
  uint64_t gridDigest;
  uint64_t imageDigest;
};

void PrintTo(const TReferenceTank& tank, std::ostream* out) {
  *out << tank.name;
}

class SourceDeterminism : public testing::TestWithParam<TReferenceTank> {};

// Each source shape in a 120 x 120 tank, in open water or beside a block of slower medium, stepped
// 300 times with the image drawn every step. The digests were recorded from one build; every build
// (optimised or not, sanitised or not) must give the same field and the same picture to the bit.
TEST_P(SourceDeterminism, SteppedTankGivesTheRecordedFieldAndImage) {
  const TReferenceTank& reference = GetParam();
  const TRef<TWater> tank = MakeTank(120, 120);
  if (reference.medium) {
    tank->SetRIMapClass(TTestBlock::StaticClassInfo());
    RefCast<TTestBlock>(tank->GetRIMap())->SetN(0.5f);
  }
  const TRef<TGeneralExciter> source = MakeNode<TGeneralExciter>();
  tank->add(source);
  source->SetBeamType(reference.shape);
  if (reference.shape == TGeneralExciter::kDouble) source->SetDetune(1.5f);
  if (reference.shape == TGeneralExciter::kDoppler) {
    source->SetDopplerSpeed(0.6f);
    source->DopplerRestart();
  }
  TFastDIB image(120, 120);
  for (int step = 0; step < 300; ++step)
    tank->StepAndDraw(image);

  // The cells in grid order, four floats each, as the field file has them after its header.
  const std::string field = EncodeFieldFile(*tank->Grid());
  const uint64_t gridDigest =
      Digest(field.data() + kFieldFileHeaderBytes, field.size() - kFieldFileHeaderBytes);
  // The picture's pixel data as a 24-bit bitmap file stores it, after its 54 bytes of headers.
  const std::string bitmap = EncodeBmp(image);
  const uint64_t imageDigest = Digest(bitmap.data() + 54, bitmap.size() - 54);
  char text[80];
  std::snprintf(text, sizeof text, "0x%016llxull, 0x%016llxull", static_cast<unsigned long long>(gridDigest),
                static_cast<unsigned long long>(imageDigest));
  EXPECT_EQ(gridDigest, reference.gridDigest) << text;
  EXPECT_EQ(imageDigest, reference.imageDigest) << text;
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceTanks, SourceDeterminism,
    testing::Values(
        TReferenceTank{"Point", TGeneralExciter::kPoint, false, 0xa3c9dd85dfffc04full, 0x56ddaf8f5d5e556aull},
        TReferenceTank{"Beam", TGeneralExciter::kBeam, false, 0x8e15d7195cd2ecc5ull, 0x9324575f088d0019ull},
        TReferenceTank{"Line", TGeneralExciter::kLine, false, 0x9e1f0027d7db69a1ull, 0xcb9a837ccf54ad5dull},
        TReferenceTank{"Double", TGeneralExciter::kDouble, false, 0x2ecf6b17fc112222ull,
                       0xc759157ae5c53c00ull},
        TReferenceTank{"Doppler", TGeneralExciter::kDoppler, false, 0xcaa974128474cd0dull,
                       0x2d75e5caaaf98e8eull},
        TReferenceTank{"PointInMedium", TGeneralExciter::kPoint, true, 0x146f504328a2e69eull,
                       0x581b406a23bbb275ull},
        TReferenceTank{"BeamInMedium", TGeneralExciter::kBeam, true, 0x031721b080162e3cull,
                       0x07e9e8eb18aa9960ull},
        TReferenceTank{"LineInMedium", TGeneralExciter::kLine, true, 0x5beea5fbbc566069ull,
                       0x660d33b006cca529ull},
        TReferenceTank{"DoubleInMedium", TGeneralExciter::kDouble, true, 0x5b1dbcc768ac2284ull,
                       0xa5443120068af644ull},
        TReferenceTank{"DopplerInMedium", TGeneralExciter::kDoppler, true, 0x763ae0eef2cf10ddull,
                       0x7aaee9f63bae5ca3ull}),
    [](const testing::TestParamInfo<TReferenceTank>& info) { return std::string(info.param.name); });

// The paper tape's grain draws the numbers GNU libstdc++'s distributions gave when its pictures were
// made, on every build: other standard libraries have distributions of their own.
TEST(RandomNumbers, AreTheNativeDistributionsNumbersOnEveryBuild) {
  std::mt19937 ours;
  std::mt19937 theirs;
  TNormalNumbers normal(245, 4);
  std::normal_distribution<double> standardNormal(245, 4);
  std::uniform_real_distribution<double> standardUniform(0.0, 1.0);
  for (int i = 0; i < 100000; ++i) {
    ASSERT_EQ(normal(ours), standardNormal(theirs)) << i;
    ASSERT_EQ(UniformCanonical(ours), standardUniform(theirs)) << i;
  }
}

}  // namespace
}  // namespace wavora::test
