#include "model/property_text.h"

#include "model/array_text.h"
#include "model/node.h"
#include "model/node_errors.h"
#include "model/number_text.h"

namespace wavora {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string EncodeElementText(std::string_view text, bool encodeDoubleQuotes) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '&') {
      out += "&amp";
    } else if (c == '<') {
      out += "&lt";
    } else if (c == '"' && encodeDoubleQuotes) {
      out += "&dq";
    } else {
      out += c;
    }
  }
  return out;
}

std::string DecodeElementText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const std::string_view rest = text.substr(i);
    if (rest.starts_with("&amp")) {
      out += '&';
      i += 4;
    } else if (rest.starts_with("&lt")) {
      out += '<';
      i += 3;
    } else if (rest.starts_with("&dq")) {
      out += '"';
      i += 3;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string ValueAsText(const TPropertyInfo& property, const TPropertyValue& value) {
  switch (property.kind) {
    case TPropertyKind::Integer:
      return std::to_string(std::get<int32_t>(value));
    case TPropertyKind::Boolean:
      return std::get<bool>(value) ? "True" : "False";
    case TPropertyKind::Enumeration: {
      const int32_t ordinal = std::get<int32_t>(value);
      if (ordinal >= 0 && ordinal < static_cast<int32_t>(property.valueNames.size())) {
        return property.valueNames[ordinal];
      }
      return std::to_string(ordinal);
    }
    case TPropertyKind::Single:
      return FormatSingle(std::get<float>(value));
    case TPropertyKind::Double:
      return FormatDouble(std::get<double>(value));
    case TPropertyKind::String:
      return std::get<std::string>(value);
    case TPropertyKind::Int64:
      return std::to_string(std::get<int64_t>(value));
    case TPropertyKind::DynArray:
      return ArrayAsText(std::get<TArrayValue>(value), property.arrayType, false, 0);
  }
  return {};
}

namespace {

const TPropertyInfo& RequireProperty(const TBasicXMLNode& object, std::string_view name) {
  const TPropertyInfo* property = object.ClassInfo().FindProperty(std::string(name));
  if (!property) {
    throw TXMLNodeParsingError("No property info available for this object.property: " +
                               object.ClassInfo().ClassName() + "." + std::string(name));
  }
  return *property;
}

[[noreturn]] void ThrowNotConvertible(const TBasicXMLNode& object, const TPropertyInfo& property,
                                      std::string_view text, const char* what) {
  // A short excerpt, control characters shown as "?": a line break or a NUL from a damaged file
  // would otherwise cut the message before it names the property.
  constexpr size_t kShown = 60;
  std::string shown(text.substr(0, kShown));
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') c = '?';
  }
  if (text.size() > kShown) shown += "...";
  throw EConvertError("\"" + shown + "\" is not a valid " + what + " for the property " +
                      object.ClassInfo().ClassName() + "." + property.name);
}

int32_t EnumerationOrdinal(const TBasicXMLNode& object, const TPropertyInfo& property,
                           std::string_view text) {
  for (size_t i = 0; i < property.valueNames.size(); ++i) {
    if (SameText(property.valueNames[i], text)) return static_cast<int32_t>(i);
  }
  std::string names;
  for (const std::string& n : property.valueNames)
    names += (names.empty() ? "" : ", ") + n;
  ThrowNotConvertible(object, property, text, ("value (one of " + names + ")").c_str());
}

}  // namespace

void SetPropertyFromText(TBasicXMLNode& object, std::string_view name, std::string_view text,
                         bool skipUnknowns) {
  const TPropertyInfo* found = object.ClassInfo().FindProperty(std::string(name));
  if (!found && skipUnknowns) return;
  const TPropertyInfo& property = found ? *found : RequireProperty(object, name);
  TPropertyValue value;
  switch (property.kind) {
    case TPropertyKind::Integer: {
      const auto number = ParseInt32(text);
      if (!number) ThrowNotConvertible(object, property, text, "integer");
      value = *number;
      break;
    }
    case TPropertyKind::Boolean:
      value = EnumerationOrdinal(object, property, text) != 0;
      break;
    case TPropertyKind::Enumeration:
      value = EnumerationOrdinal(object, property, text);
      break;
    case TPropertyKind::Single: {
      const auto number = ParseSingle(text);
      if (!number) ThrowNotConvertible(object, property, text, "number");
      value = *number;
      break;
    }
    case TPropertyKind::Double: {
      const auto number = ParseDouble(text);
      if (!number) ThrowNotConvertible(object, property, text, "number");
      value = *number;
      break;
    }
    case TPropertyKind::String:
      value = std::string(text);
      break;
    case TPropertyKind::Int64: {
      const auto number = ParseInt64(text);
      if (!number) ThrowNotConvertible(object, property, text, "64-bit integer");
      value = *number;
      break;
    }
    case TPropertyKind::DynArray:
      throw TXMLNodeParsingError("Unusable property type: " + property.name);
  }
  property.set(object, value);
}

std::string PropertyAsText(const TBasicXMLNode& object, std::string_view name) {
  const TPropertyInfo& property = RequireProperty(object, name);
  return ValueAsText(property, property.get(object));
}

}  // namespace wavora
