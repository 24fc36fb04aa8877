#include "model/decimal_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace wavora {
namespace {

// Every build writes and reads numbers with the exact conversions, so files and tool data are the same
// everywhere; here, where the standard library has std::to_chars and std::from_chars for floating
// point, they must give the same texts and values.

template <class T, class... Format>
std::string ToChars(T value, Format... format) {
  char text[2000];
  const auto result = std::to_chars(text, text + sizeof text, value, format...);
  return std::string(text, result.ptr);
}

template <class T>
T FromBits(uint64_t bits) {
  T value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Values where shortest and rounded digits are hard to get right: every power of two (the neighbour
// below is nearer than the one above), subnormals, powers of ten and their neighbours, the ends of the
// ranges, halves that round to even, digits just below a carry, and many values from random bits.
std::vector<double> AwkwardDoubles() {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.5,
                                1.5,
                                2.5,
                                0.125,
                                0.375,
                                1e22,
                                1e23,
                                9.5,
                                999999.95,
                                9.9999995,
                                1234567.5,
                                5e-324,
                                1e-310,
                                2.2250738585072014e-308,
                                2.225073858507201e-308,
                                0.1,
                                1.0 / 3,
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::quiet_NaN()};
  for (int e = -1074; e <= 1023; ++e)
    values.push_back(std::ldexp(1.0, e));
  for (int e = -30; e <= 30; ++e) {
    const double power = std::pow(10.0, e);
    values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300), -power});
  }
  uint64_t seed = 12345;
  for (int i = 0; i < 6000; ++i) {
    seed = seed * 6364136223846793005u + 1442695040888963407u;
    values.push_back(FromBits<double>(seed));
  }
  return values;
}

TEST(DecimalText, WritesWhatToCharsWrites) {
  const std::vector<double> doubles = AwkwardDoubles();
  for (const double value : doubles) {
    for (const int precision : {0, 1, 2, 6, 8, 14, 16, 25}) {
      ASSERT_EQ(ScientificText(value, precision), ToChars(value, std::chars_format::scientific, precision))
          << precision;
      if (std::fabs(value) < 1e30 && std::fabs(value) > 1e-30) {
        ASSERT_EQ(FixedText(value, precision), ToChars(value, std::chars_format::fixed, precision))
            << precision;
      }
    }
  }
  std::vector<float> floats = {std::numeric_limits<float>::max(),
                               std::numeric_limits<float>::denorm_min(),
                               std::numeric_limits<float>::min(),
                               16777216.0f,
                               123456792.0f,
                               1e10f,
                               1e5f,
                               1e-4f,
                               999999930368.0f};
  for (int e = -149; e <= 127; ++e)
    floats.push_back(std::ldexp(1.0f, e));
  for (const double value : doubles)
    floats.push_back(static_cast<float>(value));
  uint32_t seed = 7;
  for (int i = 0; i < 100000; ++i) {
    seed = seed * 1664525u + 1013904223u;
    floats.push_back(FromBits<float>(seed));
  }
  for (const float value : floats) {
    ASSERT_EQ(ShortestText(value), ToChars(value)) << ToChars(value, std::chars_format::hex);
  }
}

std::optional<double> FromChars(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

TEST(DecimalText, ReadsWhatFromCharsReads) {
  std::vector<std::string> texts = {"",
                                    "-",
                                    ".",
                                    "5.",
                                    ".5",
                                    "-.5",
                                    "5.e3",
                                    "e5",
                                    "1e",
                                    "1e+",
                                    "1e-",
                                    "--1",
                                    "+1",
                                    "1.2.3",
                                    "1e5.5",
                                    " 1",
                                    "1 ",
                                    "inf",
                                    "nan",
                                    "0x1p3",
                                    "1,5",
                                    "-0",
                                    "00012",
                                    "1E5",
                                    "1e-400",
                                    "1e400",
                                    "0e999999999999",
                                    "0.0",
                                    "1e0000000000000000000000005",
                                    "9007199254740993",
                                    "9007199254740995",
                                    "2.2250738585072011e-308",
                                    "4.9406564584124654e-324",
                                    "2.4703282292062327e-324",
                                    "2.4703282292062328e-324",
                                    "1.7976931348623157e308",
                                    "1.7976931348623158e308",
                                    "1.7976931348623159e308",
                                    "0." + std::string(350, '0') + "1e340",
                                    std::string(330, '9'),
                                    "1" + std::string(308, '0')};
  const std::vector<double> doubles = AwkwardDoubles();
  for (const double value : doubles) {
    if (!std::isfinite(value)) continue;
    for (const int precision : {0, 5, 15, 16, 20})
      texts.push_back(ToChars(value, std::chars_format::scientific, precision));
    texts.push_back(ToChars(value));
    // The exact midpoint to the next double up, which reading rounds to the even one of the two, and
    // a hair above it, which goes up.
    const double next = std::nextafter(value, INFINITY);
    if (!std::isfinite(next)) continue;
    const long double middle = (static_cast<long double>(value) + next) / 2;
    std::string exact = ToChars(middle, std::chars_format::scientific, 800);
    texts.push_back(exact);
    texts.push_back(exact.insert(exact.find('e'), "1"));
  }
  for (const std::string& text : texts) {
    const std::optional<double> expected = FromChars(text);
    const std::optional<double> read = ReadDecimal(text);
    ASSERT_EQ(read.has_value(), expected.has_value()) << text;
    if (expected) {
      ASSERT_EQ(std::signbit(*read), std::signbit(*expected)) << text;
      ASSERT_EQ(*read, *expected) << text;
    }
  }
}

}  // namespace
}  // namespace wavora
