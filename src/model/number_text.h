#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wavora {

// Numbers in files are written with "." whatever the user's locale, and read with "." or ",", so a
// file opens the same on every machine.

// The general format: fixed-point unless the exponent is below -5 or reaches the precision, then
// "d.dddE+XX"; no trailing zeros. Single-precision values use 7 digits, or 8 or 9 for the few that
// 7 would not bring back to the same value when read; doubles 15.
std::string FormatGeneral(double value, int significantDigits);
std::string FormatSingle(float value);
inline std::string FormatDouble(double value) {
  return FormatGeneral(value, 15);
}

// Parsers return none for a text that is not a finite number of the type (surrounding blanks
// allowed, an optional sign, for floats "." or "," as the decimal separator).
std::optional<int32_t> ParseInt32(std::string_view text);
std::optional<int64_t> ParseInt64(std::string_view text);
std::optional<double> ParseDouble(std::string_view text);
std::optional<float> ParseSingle(std::string_view text);

}  // namespace wavora
