#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace wavora {

std::string FormatGeneral(double value, int significantDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
  std::string text(buffer, result.ptr);
  const size_t e = text.find('e');
  if (e != std::string::npos) text[e] = 'E';
  return text;
}

namespace {

std::string_view Trim(std::string_view text) {
  const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
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

std::optional<int32_t> ParseInt32(std::string_view text) { return ParseInteger<int32_t>(text); }
std::optional<int64_t> ParseInt64(std::string_view text) { return ParseInteger<int64_t>(text); }

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
  double value = 0;
  const auto [end, error] =
      std::from_chars(normal.data(), normal.data() + normal.size(), value, std::chars_format::general);
  if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<float> ParseSingle(std::string_view text) {
  const std::optional<double> value = ParseDouble(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

}  // namespace wavora
