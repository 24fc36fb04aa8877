#include <gtest/gtest.h>

#include "model/number_text.h"

namespace wavora {
namespace {

struct TFormatCase {
  double value;
  int digits;
  const char* text;
};

class GeneralFormat : public ::testing::TestWithParam<TFormatCase> {};

TEST_P(GeneralFormat, MatchesTheFileNotation) {
  const TFormatCase& c = GetParam();
  const double value = c.digits == 7 ? static_cast<double>(static_cast<float>(c.value)) : c.value;
  EXPECT_EQ(FormatGeneral(value, c.digits), c.text);
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralFormat,
                         ::testing::Values(TFormatCase{2.55, 7, "2.55"}, TFormatCase{0.5, 7, "0.5"},
                                           TFormatCase{100000000, 7, "1E+08"}, TFormatCase{1e-6, 7, "1E-06"},
                                           TFormatCase{12345678, 7, "1.234568E+07"},
                                           TFormatCase{1234567, 7, "1234567"},
                                           TFormatCase{0.00001, 15, "0.00001"},
                                           TFormatCase{0.000025, 15, "0.000025"},
                                           TFormatCase{-3.5, 7, "-3.5"}, TFormatCase{0.1, 15, "0.1"},
                                           TFormatCase{0.1, 7, "0.1"}, TFormatCase{-0.0, 7, "0"},
                                           TFormatCase{9.99999999, 7, "10"}, TFormatCase{1e300, 15, "1E+300"},
                                           TFormatCase{123456789012345.0, 15, "123456789012345"}));

// Seven digits as before wherever they bring the value back; more only where they would not, so
// saving and reading a value never changes it.
TEST(NumberText, SinglesReadBackToTheSameValue) {
  EXPECT_EQ(FormatSingle(0.1f), "0.1");
  EXPECT_EQ(FormatSingle(1e38f), "1E+38");
  for (const float value : {331913024.0f, 1.0f / 3.0f, 16777215.0f, -2.7182817f, 1e-45f})
    EXPECT_EQ(ParseSingle(FormatSingle(value)), value) << FormatSingle(value);
}

TEST(NumberText, ReadsEitherDecimalSeparatorAndRefusesWhatIsNotAFiniteNumber) {
  EXPECT_EQ(ParseSingle("2,55"), 2.55f);
  EXPECT_EQ(ParseSingle(" 2.55 "), 2.55f);
  EXPECT_EQ(ParseDouble("+1E-06"), 1e-6);
  for (const char* bad : {"", "12a", "1.2.3", "inf", "NAN", "1e999", "0x10", "--1", "1 2"}) {
    EXPECT_FALSE(ParseDouble(bad)) << bad;
  }
  EXPECT_FALSE(ParseSingle("1e39"));
  EXPECT_EQ(ParseInt32("-2147483648"), INT32_MIN);
  EXPECT_FALSE(ParseInt32("2147483648"));
  EXPECT_FALSE(ParseInt32("12a"));
  EXPECT_FALSE(ParseInt32("1.0"));
  EXPECT_EQ(ParseInt64("9223372036854775807"), INT64_MAX);
}

}  // namespace
}  // namespace wavora
