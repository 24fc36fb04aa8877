#include "media/land_masks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace wavora {
namespace {

const std::vector<TColour> kStandardPalette = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

struct TMaskCase {
  const char* name;
  int mapIndex;
  int width;
  int height;
  int bitsPerPixel;
  std::vector<TColour> palette;
  int describedLandPixels;
  friend void PrintTo(const TMaskCase& c, std::ostream* out) { *out << c.name; }
};

class LandMasks : public testing::TestWithParam<TMaskCase> {};

uint32_t U16(std::string_view bytes, size_t at) {
  return uint8_t(bytes[at]) | uint32_t(uint8_t(bytes[at + 1])) << 8;
}
uint32_t U32(std::string_view bytes, size_t at) {
  return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

TEST_P(LandMasks, FileHasTheStatedSizeDepthAndPalette) {
  const TMaskCase& c = GetParam();
  const std::string_view file = LandMaskFile(c.mapIndex);
  ASSERT_GE(file.size(), 54u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  const uint32_t headerSize = U32(file, 14);
  EXPECT_EQ(int32_t(U32(file, 18)), c.width);
  EXPECT_EQ(int32_t(U32(file, 22)), c.height);  // positive: stored bottom-up
  EXPECT_EQ(U16(file, 28), uint32_t(c.bitsPerPixel));
  EXPECT_EQ(U32(file, 30), 0u);  // uncompressed
  std::vector<TColour> palette;
  for (size_t at = 14 + headerSize; at < U32(file, 10); at += 4) {
    palette.push_back(RGB(uint8_t(file[at + 2]), uint8_t(file[at + 1]), uint8_t(file[at])));
  }
  EXPECT_EQ(palette, c.palette);
  const size_t stride = size_t(c.width * c.bitsPerPixel + 31) / 32 * 4;
  EXPECT_EQ(file.size(), U32(file, 10) + stride * size_t(c.height));
}

TEST_P(LandMasks, OnlyBlackSeaAndWhiteLandInTheDescribedAmount) {
  const TMaskCase& c = GetParam();
  const TFastDIB mask = LandMask(c.mapIndex);
  ASSERT_EQ(mask.Width(), c.width);
  ASSERT_EQ(mask.Height(), c.height);
  int land = 0;
  int other = 0;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      const TColour pixel = mask.Pixel(x, y);
      land += pixel == kLandColour;
      other += pixel != kLandColour && pixel != RGB(0, 0, 0);
    }
  }
  EXPECT_EQ(other, 0);
  EXPECT_NEAR(land, c.describedLandPixels, c.describedLandPixels / 10);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, LandMasks,
    testing::Values(TMaskCase{"IndianOcean", 0, 401, 359, 4, kStandardPalette, 41803},
                    TMaskCase{"Atlantic", 1, 500, 500, 1, {RGB(0, 0, 0), RGB(255, 255, 255)}, 86227}),
    [](const testing::TestParamInfo<TMaskCase>& info) { return std::string(info.param.name); });

TEST(LandMaskIndex, WithoutAMapGivesNoMask) {
  for (const int mapIndex : {-1, kLandMaskCount}) {
    EXPECT_TRUE(LandMaskFile(mapIndex).empty());
    EXPECT_TRUE(LandMask(mapIndex).IsEmpty());
  }
}

}  // namespace
}  // namespace wavora
