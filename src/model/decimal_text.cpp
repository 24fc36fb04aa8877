#include "model/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace wavora {

namespace {

// A natural number of any size: 32-bit limbs, least significant first, no zero limb at the top.
class TBigNatural {
 public:
  explicit TBigNatural(uint64_t value)
      : limbs_{static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32)} {
    Trim();
  }

  bool IsZero() const { return limbs_.empty(); }

  void Multiply(uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint64_t product = uint64_t{limb} * factor + carry;
      limb = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<uint32_t>(carry));
  }

  void ShiftLeft(int bits) {
    limbs_.insert(limbs_.begin(), static_cast<size_t>(bits / 32), 0);
    const int rest = bits % 32;
    if (rest == 0) return;
    uint32_t carry = 0;
    for (uint32_t& limb : limbs_) {
      const uint32_t out = limb >> (32 - rest);
      limb = (limb << rest) | carry;
      carry = out;
    }
    if (carry != 0) limbs_.push_back(carry);
  }

  // Divides in place and returns the remainder.
  uint32_t Divide(uint32_t divisor) {
    uint64_t remainder = 0;
    for (size_t i = limbs_.size(); i-- > 0;) {
      const uint64_t part = remainder << 32 | limbs_[i];
      limbs_[i] = static_cast<uint32_t>(part / divisor);
      remainder = part % divisor;
    }
    Trim();
    return static_cast<uint32_t>(remainder);
  }

 private:
  void Trim() {
    while (!limbs_.empty() && limbs_.back() == 0)
      limbs_.pop_back();
  }

  std::vector<uint32_t> limbs_;
};

// A positive number as 0.DIGITS × 10^exponent: the first digit is not 0, the last is not 0.
struct TDecimal {
  std::string digits;
  int exponent = 0;
};

int Compare(const TDecimal& a, const TDecimal& b) {
  if (a.exponent != b.exponent) return a.exponent < b.exponent ? -1 : 1;
  // Without trailing zeros, a digit string that starts with another is the larger number.
  const int order = a.digits.compare(b.digits);
  return (order > 0) - (order < 0);
}

// mantissa × 2^binaryExponent (mantissa > 0) digit for digit. A negative power of two is 5^k / 10^k,
// so its digits are those of mantissa × 5^k with the point moved k places.
TDecimal Exact(uint64_t mantissa, int binaryExponent) {
  TBigNatural number(mantissa);
  if (binaryExponent >= 0) number.ShiftLeft(binaryExponent);
  for (int k = -binaryExponent; k > 0; k -= 13) {
    uint32_t power = 1;
    for (int i = std::min(k, 13); i > 0; --i)
      power *= 5;  // 5^13 < 2^32
    number.Multiply(power);
  }
  std::string reversed;
  while (!number.IsZero()) {
    uint32_t chunk = number.Divide(1000000000);
    for (int i = 0; i < 9; ++i, chunk /= 10)
      reversed += static_cast<char>('0' + chunk % 10);
  }
  reversed.erase(reversed.find_last_not_of('0') + 1);
  TDecimal decimal{std::string(reversed.rbegin(), reversed.rend()), 0};
  decimal.exponent = static_cast<int>(decimal.digits.size()) + std::min(binaryExponent, 0);
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return decimal;
}

constexpr int kFractionBits = 52;
constexpr uint64_t kFractionMask = (uint64_t{1} << kFractionBits) - 1;
constexpr uint64_t kInfinityBits = uint64_t{0x7FF} << kFractionBits;

struct TBinary {
  uint64_t mantissa;  // with the leading 1 of normal numbers
  int exponent;       // |value| = mantissa × 2^exponent
};

TBinary Binary(uint64_t bits) {
  const int biased = static_cast<int>(bits >> kFractionBits & 0x7FF);
  const uint64_t fraction = bits & kFractionMask;
  if (biased == 0) return {fraction, -1074};
  return {fraction | uint64_t{1} << kFractionBits, biased - 1075};
}

uint64_t Bits(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

TDecimal Exact(double magnitude) {
  const TBinary binary = Binary(Bits(magnitude));
  return Exact(binary.mantissa, binary.exponent);
}

// Adds one to a string of decimal digits ("" counts as 0).
void Increment(std::string& digits) {
  size_t i = digits.size();
  while (i > 0 && digits[i - 1] == '9')
    digits[--i] = '0';
  if (i == 0) {
    digits.insert(0, 1, '1');
  } else {
    ++digits[i - 1];
  }
}

// The digits of the whole number nearest to 0.DIGITS × 10^keep (halves to even), "" for 0.
std::string Rounded(const TDecimal& exact, int keep) {
  if (keep < 0) return "";
  const size_t count = static_cast<size_t>(keep);
  std::string kept = exact.digits.substr(0, count);
  kept.resize(count, '0');
  const char next = count < exact.digits.size() ? exact.digits[count] : '0';
  const bool beyond = exact.digits.size() > count + 1;  // a digit after next, so a non-zero one
  const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
  if (next > '5' || (next == '5' && (beyond || odd))) Increment(kept);
  return kept;
}

// The whole number `digits` times 10^(exponent - keep) as a TDecimal.
TDecimal Scaled(std::string digits, int keep, int exponent) {
  TDecimal decimal{std::move(digits), 0};
  decimal.exponent = exponent - keep + static_cast<int>(decimal.digits.size());
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  return decimal;
}

std::optional<std::string> SpecialText(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  return std::nullopt;
}

std::string ExponentText(int exponent) {
  const int magnitude = std::abs(exponent);
  return (exponent < 0 ? "e-" : "e+") + std::string(magnitude < 10 ? "0" : "") + std::to_string(magnitude);
}

}  // namespace

std::string ScientificText(double value, int precision) {
  if (const auto special = SpecialText(value)) return *special;
  const size_t count = static_cast<size_t>(precision) + 1;
  std::string digits(count, '0');
  int exponent = 0;
  if (value != 0) {
    const TDecimal exact = Exact(std::fabs(value));
    digits = Rounded(exact, precision + 1);
    exponent = exact.exponent - 1;
    // 9.99… rounded up to 10.0…
    if (digits.size() > count) {
      digits.pop_back();
      ++exponent;
    }
  }
  std::string text = std::signbit(value) ? "-" : "";
  text += digits[0];
  if (precision > 0) text += "." + digits.substr(1);
  return text + ExponentText(exponent);
}

std::string FixedText(double value, int precision) {
  if (const auto special = SpecialText(value)) return *special;
  const size_t decimals = static_cast<size_t>(precision);
  std::string digits;
  if (value != 0) {
    const TDecimal exact = Exact(std::fabs(value));
    digits = Rounded(exact, exact.exponent + precision);
  }
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string text = std::signbit(value) ? "-" : "";
  text += digits.substr(0, digits.size() - decimals);
  if (precision > 0) text += "." + digits.substr(digits.size() - decimals);
  return text;
}

std::string ShortestText(float value) {
  if (const auto special = SpecialText(value)) return *special;
  const std::string sign = std::signbit(value) ? "-" : "";
  if (value == 0) return sign + "0";
  const float magnitude = std::fabs(value);
  const TDecimal exact = Exact(double{magnitude});
  // What reads back as this float lies between the midpoints to its neighbours (doubles, exactly),
  // the midpoints themselves when its last mantissa bit is 0, as reading rounds halves to even.
  const double below = (double{magnitude} + std::nextafter(magnitude, 0.0f)) / 2;
  const double above = magnitude == std::numeric_limits<float>::max()
                           ? double{magnitude} + (double{magnitude} - below)
                           : (double{magnitude} + std::nextafter(magnitude, INFINITY)) / 2;
  const TDecimal low = Exact(below);
  const TDecimal high = Exact(above);
  uint32_t bits = 0;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const bool midpointsRead = (bits & 1) == 0;
  const auto reads = [&](const TDecimal& decimal) {
    const int fromLow = Compare(decimal, low);
    const int fromHigh = Compare(decimal, high);
    return midpointsRead ? fromLow >= 0 && fromHigh <= 0 : fromLow > 0 && fromHigh < 0;
  };
  // The fewest digits: of the two numbers with `count` digits around the value, the one that reads
  // back, or the nearer when both do.
  TDecimal shortest = exact;
  for (int count = 1; count < static_cast<int>(exact.digits.size()); ++count) {
    const std::string down = exact.digits.substr(0, static_cast<size_t>(count));
    std::string up = down;
    Increment(up);
    const bool downReads = reads(Scaled(down, count, exact.exponent));
    const bool upReads = reads(Scaled(up, count, exact.exponent));
    if (!downReads && !upReads) continue;
    shortest = Scaled(downReads && upReads ? Rounded(exact, count)
                      : downReads          ? down
                                           : up,
                      count, exact.exponent);
    break;
  }

  // Fixed-point unless scientific is shorter. The number is 0.D × 10^point.
  const std::string& digits = shortest.digits;
  const int count = static_cast<int>(digits.size());
  const int point = shortest.exponent;
  const int fixedLength = point >= count ? point : point > 0 ? count + 1 : 2 - point + count;
  const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (std::abs(point - 1) >= 100 ? 3 : 2);
  if (fixedLength > scientificLength) {
    std::string text = sign + digits[0];
    if (count > 1) text += "." + digits.substr(1);
    return text + ExponentText(point - 1);
  }
  // Zeros after the short digits: the float is a whole number, and it is written with its own digits,
  // which from 2^24 on may differ from the short ones padded with zeros.
  if (point >= count)
    return sign + exact.digits + std::string(static_cast<size_t>(exact.exponent) - exact.digits.size(), '0');
  if (point > 0)
    return sign + digits.substr(0, static_cast<size_t>(point)) + "." +
           digits.substr(static_cast<size_t>(point));
  return sign + "0." + std::string(static_cast<size_t>(-point), '0') + digits;
}

std::optional<double> ReadDecimal(std::string_view text) {
  const auto isDigit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  std::string digits;
  while (isDigit(i))
    digits += text[i++];
  const long long integerDigits = static_cast<long long>(digits.size());
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (isDigit(i))
      digits += text[i++];
  }
  if (digits.empty()) return std::nullopt;
  // Beyond this, an exponent only says "too large" or "too small" for any text a caller keeps.
  constexpr long long kExponentLimit = 1000000000;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    const bool negativeExponent = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (!isDigit(i)) return std::nullopt;
    while (isDigit(i))
      exponent = std::min(exponent * 10 + (text[i++] - '0'), kExponentLimit);
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;

  const size_t leadingZeros = std::min(digits.find_first_not_of('0'), digits.size());
  digits.erase(0, leadingZeros);
  digits.erase(digits.find_last_not_of('0') + 1);
  const double sign = negative ? -1.0 : 1.0;
  if (digits.empty()) return sign * 0.0;
  // The value lies in [10^(point - 1), 10^point): from 10^309 up it is beyond the largest double,
  // below 10^-324 it is nearer to zero than to the smallest.
  const long long point = integerDigits - static_cast<long long>(leadingZeros) + exponent;
  if (point > 309 || point < -323) return std::nullopt;
  const TDecimal target{digits, static_cast<int>(point)};

  // A first guess from the leading digits, then step to the nearest double: past the midpoint to a
  // neighbour (onto it when even) the neighbour is nearer.
  uint64_t lead = 0;
  const int leadCount = std::min(static_cast<int>(digits.size()), 19);
  for (int k = 0; k < leadCount; ++k)
    lead = lead * 10 + static_cast<uint64_t>(digits[static_cast<size_t>(k)] - '0');
  const int scale = static_cast<int>(point) - leadCount;
  const double guess =
      static_cast<double>(lead) * std::pow(10.0, scale / 2) * std::pow(10.0, scale - scale / 2);
  uint64_t bits = Bits(std::min(guess, std::numeric_limits<double>::max()));
  for (;;) {
    const TBinary x = Binary(bits);
    const int fromAbove = Compare(target, Exact(2 * x.mantissa + 1, x.exponent - 1));
    if (fromAbove > 0 || (fromAbove == 0 && (bits & 1) != 0)) {
      if (++bits == kInfinityBits) return std::nullopt;
      continue;
    }
    if (bits == 0) return std::nullopt;
    // A power of two above the smallest normal number has its neighbour below at half the distance.
    const bool narrowBelow = (bits & kFractionMask) == 0 && (bits >> kFractionBits) > 1;
    const int fromBelow = Compare(target, narrowBelow ? Exact(4 * x.mantissa - 1, x.exponent - 2)
                                                      : Exact(2 * x.mantissa - 1, x.exponent - 1));
    if (fromBelow < 0 || (fromBelow == 0 && (bits & 1) != 0)) {
      --bits;
      continue;
    }
    break;
  }
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return sign * value;
}

}  // namespace wavora
