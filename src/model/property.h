#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace wavora {

class TBasicXMLNode;

// The kinds of published property that take part in the text format.
enum class TPropertyKind { Integer, Boolean, Enumeration, Single, Double, String, Int64, DynArray };

// Element types of a dynamic array. Raw items are written as the hexadecimal of their bytes.
enum class TArrayElementKind {
  Int8,
  UInt8,
  Int16,
  UInt16,
  Int32,
  UInt32,
  Int64,
  Single,
  Double,
  Boolean,
  Enumeration,
  String,
  Raw
};

struct TArrayType {
  int dimensions = 1;
  TArrayElementKind element = TArrayElementKind::Int32;
  std::vector<std::string> valueNames;  // Enumeration items
  int rawSize = 0;                      // bytes per Raw item

  static TArrayType Of(int dimensions, TArrayElementKind element) {
    TArrayType type;
    type.dimensions = dimensions;
    type.element = element;
    return type;
  }
};

// One array item: integers and enumeration ordinals as int64, floats as double (Single items hold
// values already rounded to float), Booleans, strings, or the bytes of a Raw item.
using TArrayItem = std::variant<int64_t, double, bool, std::string, std::vector<uint8_t>>;

// A dynamic array of any number of dimensions: the innermost dimension holds items, every outer one
// holds sub-arrays. An array with no entries is "no array" and is not written.
struct TArrayValue {
  std::vector<TArrayValue> groups;
  std::vector<TArrayItem> items;

  bool IsEmpty() const { return groups.empty() && items.empty(); }
  friend bool operator==(const TArrayValue&, const TArrayValue&) = default;
};

// A property value; Enumeration values are held as their ordinal in the int32_t alternative.
using TPropertyValue = std::variant<int32_t, bool, float, double, std::string, int64_t, TArrayValue>;

struct TPropertyInfo {
  std::string name;
  TPropertyKind kind = TPropertyKind::Integer;
  std::vector<std::string> valueNames;     // Enumeration and Boolean value names, by ordinal
  TArrayType arrayType;                    // DynArray only
  std::optional<int32_t> declaredDefault;  // Integer and Enumeration only
  // Saved, but a record of the running session (a selection, a running clock) rather than of the
  // lesson: changing it is not an edit of the document.
  bool sessionState = false;
  std::function<TPropertyValue(const TBasicXMLNode&)> get;
  std::function<void(TBasicXMLNode&, const TPropertyValue&)> set;
};

}  // namespace wavora
