#include "web/json_text.h"

namespace wavora {

void TJsonText::Separate() {
  if (!first_) text_ += ',';
  first_ = false;
}

TJsonText& TJsonText::BeginObject() {
  Separate();
  text_ += '{';
  first_ = true;
  return *this;
}

TJsonText& TJsonText::EndObject() {
  text_ += '}';
  first_ = false;
  return *this;
}

TJsonText& TJsonText::BeginArray() {
  Separate();
  text_ += '[';
  first_ = true;
  return *this;
}

TJsonText& TJsonText::EndArray() {
  text_ += ']';
  first_ = false;
  return *this;
}

TJsonText& TJsonText::Key(std::string_view name) {
  Value(name);
  text_ += ':';
  first_ = true;  // the member's value follows without a comma
  return *this;
}

TJsonText& TJsonText::Value(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  Separate();
  text_ += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (c == '\n') {
      text_ += "\\n";
    } else if (byte < 0x20) {
      text_ += "\\u00";
      text_ += kHex[byte >> 4];
      text_ += kHex[byte & 0xF];
    } else {
      text_ += c;
    }
  }
  text_ += '"';
  return *this;
}

TJsonText& TJsonText::Value(int64_t number) {
  Separate();
  text_ += std::to_string(number);
  return *this;
}

TJsonText& TJsonText::Value(bool truth) {
  Separate();
  text_ += truth ? "true" : "false";
  return *this;
}

}  // namespace wavora
