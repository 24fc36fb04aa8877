#include "model/array_text.h"

#include <limits>
#include <optional>

#include "model/node_errors.h"
#include "model/number_text.h"
#include "model/property_text.h"
#include "model/reader_limits.h"
#include "model/stream.h"

namespace wavora {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

std::string ItemAsText(const TArrayItem& item, const TArrayType& type) {
  switch (type.element) {
    case TArrayElementKind::Single:
      return FormatSingle(static_cast<float>(std::get<double>(item)));
    case TArrayElementKind::Double:
      return FormatDouble(std::get<double>(item));
    case TArrayElementKind::Boolean:
      return std::get<bool>(item) ? "true" : "false";
    case TArrayElementKind::Enumeration: {
      const int64_t ordinal = std::get<int64_t>(item);
      if (ordinal >= 0 && ordinal < static_cast<int64_t>(type.valueNames.size()))
        return type.valueNames[ordinal];
      return std::to_string(ordinal);
    }
    case TArrayElementKind::String:
      return "\"" + EncodeElementText(std::get<std::string>(item), true) + "\"";
    case TArrayElementKind::Raw: {
      std::string text;
      for (uint8_t byte : std::get<std::vector<uint8_t>>(item)) {
        text += kHexDigits[byte >> 4];
        text += kHexDigits[byte & 15];
      }
      return text;
    }
    default:
      return std::to_string(std::get<int64_t>(item));
  }
}

std::string GroupAsText(const TArrayValue& value, const TArrayType& type, bool format, int indent,
                        int level) {
  const std::string pad = format ? std::string(indent, ' ') : std::string();
  std::string text = pad + "<D>";
  if (level >= type.dimensions - 1) {
    for (size_t i = 0; i < value.items.size(); ++i) {
      if (i) text += ',';
      text += ItemAsText(value.items[i], type);
    }
    return text + "</D>";
  }
  if (format) text += "\r\n";
  for (const TArrayValue& group : value.groups) {
    text += GroupAsText(group, type, format, indent + 2, level + 1);
    if (format) text += "\r\n";
  }
  return text + pad + "</D>";
}

bool IsLayout(char c) {
  return c == 0 || c == 9 || c == 10 || c == 13 || c == 32;
}

class TArrayReader {
 public:
  TArrayReader(TStream& stream, const TArrayType& type) : stream_(stream), type_(type) {}

  TArrayValue Read() {
    SkipLayout();
    if (AtEndTag()) {
      ReadTag({});
      return {};
    }
    TArrayValue value = ReadGroup({}, 0);
    SkipLayout();
    if (!AtEndTag()) Unrecognised({});
    ReadTag({});
    return value;
  }

 private:
  using Path = std::vector<size_t>;

  static std::string Place(const Path& path) {
    std::string text;
    for (size_t index : path)
      text += "[" + std::to_string(index) + "]";
    return text.empty() ? "[]" : text;
  }

  std::string PositionText() const { return std::to_string(stream_.Position()); }

  void SkipLayout() {
    char c;
    while (stream_.PeekChar(c) && IsLayout(c))
      stream_.ReadChar(c);
  }

  bool AtEndTag() const {
    const std::string& data = stream_.Data();
    const size_t p = stream_.Position();
    return p + 1 < data.size() && data[p] == '<' && data[p + 1] == '/';
  }

  [[noreturn]] void NotClosed(const Path& path, const std::optional<std::string>& text) {
    std::string message = "Array tag did not close before end of file: " + Place(path);
    if (text) {
      message += "\r\nPossibly due to a incorrect quote mark (" + text->substr(0, 60) + ")";
      message += "\r\nUse &dq for \" and bound in double quotes if commas are in text";
    }
    throw TXMLNodeParsingError(message);
  }

  [[noreturn]] void Unrecognised(const Path& path) {
    std::string text;
    char c;
    while (text.size() < 60 && stream_.PeekChar(c) && c != '<') {
      stream_.ReadChar(c);
      text += c;
    }
    throw TXMLNodeParsingError("Array does not contain enough dimensions or has unrecognised characters: " +
                               Place(path) + " \"" + text + "\"");
  }

  // Reads "<...>" from the "<" at the position and gives what stands between the brackets.
  std::string ReadTag(const Path& path) {
    char c;
    stream_.ReadChar(c);
    std::string tag;
    while (true) {
      if (!stream_.ReadChar(c)) NotClosed(path, std::nullopt);
      if (c == '>') return tag;
      if (tag.size() >= kMaxNameLength) {
        throw TXMLNodeParsingError("Array element " + Place(path) + " contains illegal element <" + tag);
      }
      tag += c;
    }
  }

  TArrayValue ReadGroup(const Path& path, int level) {
    SkipLayout();
    char c;
    if (!stream_.PeekChar(c)) NotClosed(path, std::nullopt);
    if (c != '<') Unrecognised(path);
    if (!SameText(ReadTag(path), "D")) {
      throw TXMLNodeParsingError("Array element " + Place(path) + " has incorrect <D> data tag at position " +
                                 PositionText());
    }
    TArrayValue group;
    if (level >= type_.dimensions - 1) {
      ReadItems(path, group);
      return group;
    }
    while (true) {
      SkipLayout();
      if (!stream_.PeekChar(c)) NotClosed(path, std::nullopt);
      if (c != '<') Unrecognised(path);
      const size_t tagStart = stream_.Position();
      const std::string tag = ReadTag(path);
      if (SameText(tag, "/D")) return group;
      if (!SameText(tag, "D")) {
        throw TXMLNodeParsingError("Array element " + Place(path) + " contains illegal element <" + tag);
      }
      stream_.SetPosition(tagStart);
      Path inner = path;
      inner.push_back(group.groups.size());
      group.groups.push_back(ReadGroup(inner, level + 1));
    }
  }

  void ReadItems(const Path& path, TArrayValue& group) {
    std::string text;
    bool quoted = false;
    char c;
    while (true) {
      if (!stream_.PeekChar(c)) NotClosed(path, text);
      if (c == '<' && !quoted) break;
      stream_.ReadChar(c);
      if (c == '"') quoted = !quoted;
      if (text.size() >= kMaxValueLength) {
        throw TXMLNodeParsingError("Array element " + Place(path) + " is too long at position " +
                                   PositionText());
      }
      text += c;
    }
    const std::string tag = ReadTag(path);
    if (SameText(tag, "D")) {
      throw TXMLNodeParsingError("Data has too many dimensions for array. Array element " + Place(path));
    }
    if (!SameText(tag, "/D")) {
      throw TXMLNodeParsingError("Array element " + Place(path) + " contains illegal element <" + tag);
    }
    if (text.find_first_not_of("\t\n\r ") == std::string::npos) return;
    size_t start = 0;
    quoted = false;
    for (size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] == '"') quoted = !quoted;
      if (i == text.size() || (text[i] == ',' && !quoted)) {
        Path itemPath = path;
        itemPath.push_back(group.items.size());
        group.items.push_back(ConvertItem(text.substr(start, i - start), itemPath));
        if (++itemCount_ > kMaxArrayItems) {
          throw TXMLNodeParsingError("Array element " + Place(itemPath) +
                                     " is one item too many for an array");
        }
        start = i + 1;
      }
    }
  }

  [[noreturn]] void BadItem(const char* what, const std::string& item, const Path& path,
                            const std::string& extra = {}) {
    throw TXMLNodeParsingError(std::string(what) + Place(path) + " \"" + item + "\"" + extra);
  }

  TArrayItem ConvertItem(std::string item, const Path& path) {
    const size_t first = item.find_first_not_of("\t\n\r ");
    item = first == std::string::npos ? std::string()
                                      : item.substr(first, item.find_last_not_of("\t\n\r ") - first + 1);
    switch (type_.element) {
      case TArrayElementKind::Single:
      case TArrayElementKind::Double: {
        const auto number = ParseDouble(item);
        if (!number || (type_.element == TArrayElementKind::Single && !ParseSingle(item))) {
          BadItem("Array element has incorrect floating point data item in an array ", item, path);
        }
        return type_.element == TArrayElementKind::Single ? static_cast<double>(static_cast<float>(*number))
                                                          : *number;
      }
      case TArrayElementKind::Int64: {
        const auto number = ParseInt64(item);
        if (!number)
          BadItem("Array element has incorrect long integer (int64) data item in an array ", item, path);
        return *number;
      }
      case TArrayElementKind::Boolean:
        if (SameText(item, "true")) return true;
        if (SameText(item, "false")) return false;
        BadItem("Array element has incorrect boolean item in an array ", item, path);
      case TArrayElementKind::Enumeration: {
        for (size_t i = 0; i < type_.valueNames.size(); ++i) {
          if (SameText(type_.valueNames[i], item)) return static_cast<int64_t>(i);
        }
        std::string names;
        for (const std::string& n : type_.valueNames)
          names += (names.empty() ? "" : ",") + n;
        BadItem("Array element has incorrect enumerated value item ", item, path,
                "\r\nShould be one of: " + names);
      }
      case TArrayElementKind::String:
        if (item.size() >= 2 && item.front() == '"' && item.back() == '"')
          item = item.substr(1, item.size() - 2);
        return DecodeElementText(item);
      case TArrayElementKind::Raw:
        return ConvertRaw(item, path);
      default:
        return ConvertInteger(item, path);
    }
  }

  TArrayItem ConvertInteger(const std::string& item, const Path& path) {
    int64_t low = std::numeric_limits<int32_t>::min(), high = std::numeric_limits<int32_t>::max();
    switch (type_.element) {
      case TArrayElementKind::Int8:
        low = -128, high = 127;
        break;
      case TArrayElementKind::UInt8:
        low = 0, high = 255;
        break;
      case TArrayElementKind::Int16:
        low = -32768, high = 32767;
        break;
      case TArrayElementKind::UInt16:
        low = 0, high = 65535;
        break;
      case TArrayElementKind::UInt32:
        low = 0, high = std::numeric_limits<uint32_t>::max();
        break;
      default:
        break;
    }
    const auto number = ParseInt64(item);
    if (!number || *number < low || *number > high) {
      BadItem("Array element has incorrect integer data item in an array ", item, path);
    }
    return *number;
  }

  TArrayItem ConvertRaw(const std::string& item, const Path& path) {
    const size_t digits = static_cast<size_t>(type_.rawSize) * 2;
    if (item.size() > digits) Unrecognised(path);
    const std::string padded = std::string(digits - item.size(), '0') + item;
    std::vector<uint8_t> bytes(type_.rawSize);
    for (size_t i = 0; i < digits; ++i) {
      const char c = padded[i];
      int nibble;
      if (c >= '0' && c <= '9') {
        nibble = c - '0';
      } else if (c >= 'a' && c <= 'f') {
        nibble = c - 'a' + 10;
      } else if (c >= 'A' && c <= 'F') {
        nibble = c - 'A' + 10;
      } else {
        throw TXMLNodeParsingError("Illegal Character in hexadecimal data item: (Code:" +
                                   std::to_string(static_cast<unsigned char>(c)) + " \"" + std::string(1, c) +
                                   "\")");
      }
      bytes[i / 2] = static_cast<uint8_t>(bytes[i / 2] << 4 | nibble);
    }
    return bytes;
  }

  TStream& stream_;
  const TArrayType& type_;
  size_t itemCount_ = 0;
};

}  // namespace

std::string ArrayAsText(const TArrayValue& value, const TArrayType& type, bool format, int indent) {
  return GroupAsText(value, type, format, indent, 0);
}

TArrayValue ReadArrayText(TStream& stream, const TArrayType& type) {
  return TArrayReader(stream, type).Read();
}

}  // namespace wavora
