#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wavora {

// JSON text for the page, built field by field: objects and arrays are opened and closed in turn,
// and every text is escaped, so any UTF-8 from a lesson file reaches the page intact.
class TJsonText {
 public:
  TJsonText& BeginObject();
  TJsonText& EndObject();
  TJsonText& BeginArray();
  TJsonText& EndArray();
  // The name of the next member of an object.
  TJsonText& Key(std::string_view name);
  TJsonText& Value(std::string_view text);
  TJsonText& Value(const char* text) { return Value(std::string_view(text)); }
  TJsonText& Value(int64_t number);
  TJsonText& Value(int32_t number) { return Value(int64_t{number}); }
  TJsonText& Value(bool truth);

  const std::string& Text() const { return text_; }

 private:
  // A comma before every item but the first of its object or array.
  void Separate();

  std::string text_;
  bool first_ = true;
};

}  // namespace wavora
