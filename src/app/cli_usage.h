#pragma once

#include <charconv>
#include <string>

namespace wavora {

// A bad command line: reported on one line, exit status 2.
struct TUsageError {
  std::string message;
};

template <class Int>
Int WholeNumber(const std::string& text, Int low, Int high, const std::string& what) {
  Int value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    throw TUsageError{what};
  }
  return value;
}

}  // namespace wavora
