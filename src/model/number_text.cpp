#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "model/decimal_text.h"

namespace wavora {

namespace {

// "1.2500" -> "1.25", "3.000" -> "3"; texts without a decimal point stay as they are.
void StripTrailingZeros(std::string& digits) {
  if (digits.find('.') == std::string::npos) return;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.') digits.pop_back();
}

}  // namespace

std::string FormatGeneral(double value, int significantDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  // The exponent of the value once rounded to the precision decides the notation: fixed-point from
  // 0.00001 up to the largest number with as many integer digits as the precision.
  std::string text = ScientificText(value, significantDigits - 1);
  const size_t e = text.find('e');
  const int exponent = std::stoi(text.substr(e + 1));
  if (exponent >= -5 && exponent < significantDigits) {
    text = FixedText(value, significantDigits - 1 - exponent);
    StripTrailingZeros(text);
    return text;
  }
  std::string mantissa = text.substr(0, e);
  StripTrailingZeros(mantissa);
  const int magnitude = exponent < 0 ? -exponent : exponent;
  return mantissa + (exponent < 0 ? "E-" : "E+") + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
}

namespace {

std::string_view Trim(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back()))
    text.remove_suffix(1);
  return text;
}

// from_chars accepts "-" but not "+"; a "+" is dropped unless a sign follows it.
std::string_view DropPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
  return text;
}

template <class Int>
std::optional<Int> ParseInteger(std::string_view text) {
  text = DropPlus(Trim(text));
  Int value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int32_t> ParseInt32(std::string_view text) {
  return ParseInteger<int32_t>(text);
}
std::optional<int64_t> ParseInt64(std::string_view text) {
  return ParseInteger<int64_t>(text);
}

std::optional<double> ParseDouble(std::string_view text) {
  text = DropPlus(Trim(text));
  if (text.empty() || text.size() > 400) return std::nullopt;
  std::string normal(text);
  for (char& c : normal) {
    if (c == ',') c = '.';
    // Only decimal and scientific forms: no "inf", "nan" or hexadecimal.
    const bool allowed = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!allowed) return std::nullopt;
  }
  return ReadDecimal(normal);
}

std::optional<float> ParseSingle(std::string_view text) {
  const std::optional<double> value = ParseDouble(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::string FormatSingle(float value) {
  for (int digits = 7; digits <= 9; ++digits) {
    std::string text = FormatGeneral(value, digits);
    if (!std::isfinite(value) || ParseSingle(text) == value) return text;
  }
  // Only the largest floats, whose longer texts lie past the largest value the reader takes.
  return FormatGeneral(value, 7);
}

}  // namespace wavora
