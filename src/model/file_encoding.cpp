#include "model/file_encoding.h"

#include <array>
#include <optional>
#include <string_view>

namespace wavora {

namespace {

// The characters of the Windows-1252 codes 0x80 to 0x9F. The five codes the page leaves free stand
// for the control characters of the same number, as Windows reads them, so every byte has a
// character and every such file converts back to the same bytes.
constexpr std::array<char32_t, 32> kHighControlCodes = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The code point of the UTF-8 sequence at the position, which moves past it; none for a sequence
// that is not shortest-form UTF-8 of a Unicode scalar value.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  if (lead < 0x80) {
    ++position;
    return lead;
  }
  int length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, codePoint = lead & 0x1Fu, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, codePoint = lead & 0x0Fu, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, codePoint = lead & 0x07u, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - position < static_cast<size_t>(length)) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[position + i]);
    if ((next & 0xC0u) != 0x80) return std::nullopt;
    codePoint = codePoint << 6 | (next & 0x3Fu);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return std::nullopt;
  }
  position += static_cast<size_t>(length);
  return codePoint;
}

bool IsValidUtf8(std::string_view text) {
  size_t position = 0;
  while (position < text.size()) {
    if (!NextCodePoint(text, position)) return false;
  }
  return true;
}

void AppendUtf8(std::string& text, char32_t codePoint) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | codePoint >> 6);
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    text += static_cast<char>(0xE0 | codePoint >> 12);
    text += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
    text += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// The Windows-1252 code of a character, or none when the page has no code for it.
std::optional<char> Windows1252Code(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (size_t i = 0; i < kHighControlCodes.size(); ++i) {
    if (kHighControlCodes[i] == codePoint) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace

std::string DecodeFileText(std::string bytes) {
  if (IsValidUtf8(bytes)) {
    if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
    return bytes;
  }
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 4);
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    AppendUtf8(text, code >= 0x80 && code < 0xA0 ? kHighControlCodes[code - 0x80] : code);
  }
  return text;
}

std::string EncodeFileText(std::string text) {
  std::string bytes;
  bytes.reserve(text.size());
  bool eightBit = false;
  size_t position = 0;
  while (position < text.size()) {
    const std::optional<char32_t> codePoint = NextCodePoint(text, position);
    const std::optional<char> code = codePoint ? Windows1252Code(*codePoint) : std::nullopt;
    if (!code) return text;
    eightBit |= static_cast<unsigned char>(*code) >= 0x80;
    bytes += *code;
  }
  // Windows-1252 bytes that happen to form valid UTF-8 ("Ã©") would read back as other letters.
  if (eightBit && IsValidUtf8(bytes)) return text;
  return bytes;
}

}  // namespace wavora
