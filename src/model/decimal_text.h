#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wavora {

// Binary floating-point numbers as decimal text and back, computed exactly: digits are rounded from the
// value's exact decimal expansion (halves to even) and texts are read to the nearest double (halves to
// even). So every build writes and reads the same texts whatever its standard library offers: these
// are the texts std::to_chars writes and std::from_chars reads, always with "." as the decimal point.

// "-d.ddde+XX" with precision digits after the point: std::to_chars(..., chars_format::scientific, p).
std::string ScientificText(double value, int precision);
// "-ddd.ddd" with precision digits after the point: std::to_chars(..., chars_format::fixed, p).
std::string FixedText(double value, int precision);
// The fewest digits that read back as the same float (the nearest such when there are two), written
// fixed-point unless scientific is shorter: std::to_chars(..., value).
std::string ShortestText(float value);

// The whole text as a number in the form "-1.5e3" (".5" and "2." too; no "+" before the digits, no
// blanks, "inf", "nan" or hexadecimal), rounded to the nearest double; none when the text is not such
// a number or its value lies beyond the doubles (rounds to infinity, or to zero from non-zero digits):
// std::from_chars(..., chars_format::general) taking the whole text to a finite value without an error.
std::optional<double> ReadDecimal(std::string_view text);

}  // namespace wavora
