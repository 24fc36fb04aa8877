#include "model/xml_writer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/array_text.h"
#include "model/node.h"
#include "model/node_errors.h"
#include "model/property_text.h"
#include "model/stream.h"

namespace wavora {

namespace {

// The rule files have always followed: a value equal to its declared default (without one: zero,
// False or empty) is left out.
bool IsDefaultValue(const TPropertyInfo& property, const TPropertyValue& value) {
  switch (property.kind) {
    case TPropertyKind::Integer:
    case TPropertyKind::Enumeration:
      return std::get<int32_t>(value) == property.declaredDefault.value_or(0);
    case TPropertyKind::Boolean:
      return !std::get<bool>(value);
    case TPropertyKind::Single:
      return std::get<float>(value) == 0;
    case TPropertyKind::Double:
      return std::get<double>(value) == 0;
    case TPropertyKind::String:
      return std::get<std::string>(value).empty();
    case TPropertyKind::Int64:
      return std::get<int64_t>(value) == 0;
    case TPropertyKind::DynArray:
      return std::get<TArrayValue>(value).IsEmpty();
  }
  return false;
}

// A left-out value must be one that reading restores: reading leaves the class's initial value, so a
// value is left out only when it is also that initial value (a switched-off source whose class starts
// switched on is written).
bool LeftOut(const TClassInfo& info, size_t index, const TPropertyValue& value) {
  if (!IsDefaultValue(info.Properties()[index], value)) return false;
  const std::optional<TPropertyValue> initial = info.InitialValue(index);
  return !initial || *initial == value;
}

bool IsFinite(const TArrayValue& array) {
  const auto finiteItem = [](const TArrayItem& item) {
    return !std::holds_alternative<double>(item) || std::isfinite(std::get<double>(item));
  };
  return std::all_of(array.items.begin(), array.items.end(), finiteItem) &&
         std::all_of(array.groups.begin(), array.groups.end(),
                     [](const TArrayValue& group) { return IsFinite(group); });
}

// The reader refuses "NAN" and "INF", so a file holding them would no longer open.
bool IsFinite(const TPropertyValue& value) {
  if (const float* single = std::get_if<float>(&value)) return std::isfinite(*single);
  if (const double* number = std::get_if<double>(&value)) return std::isfinite(*number);
  if (const TArrayValue* array = std::get_if<TArrayValue>(&value)) return IsFinite(*array);
  return true;
}

bool BeginsWithXml(const std::string& name) {
  return name.size() >= 3 && SameText(name.substr(0, 3), "xml");
}

}  // namespace

void WriteNode(const TBasicXMLNode& node, TStream& stream, bool format, int indent) {
  const auto line = [format](int lineIndent, const std::string& text) {
    return format ? std::string(lineIndent, ' ') + text + "\r\n" : text;
  };
  const TClassInfo& info = node.ClassInfo();
  const bool allElements = node.GetParamWriteStyle() == pwsAllElements;
  const int propertyIndent = indent + IndentStep;
  std::string attributes;
  std::string elements;
  for (size_t i = 0; i < info.Properties().size(); ++i) {
    const TPropertyInfo& property = info.Properties()[i];
    const TPropertyValue value = property.get(node);
    if (LeftOut(info, i, value)) continue;
    if (BeginsWithXml(property.name)) {
      throw TXMLNodeError("Published param: " + property.name + " begins with \"XML\" which is not allowed.");
    }
    if (!IsFinite(value)) {
      throw TXMLNodeError("Cannot save " + info.ClassName() + "." + property.name +
                          ": its value is not a finite number.");
    }
    if (property.kind == TPropertyKind::DynArray) {
      elements += line(propertyIndent, "<" + property.name + ">");
      elements += ArrayAsText(std::get<TArrayValue>(value), property.arrayType, format, propertyIndent + 2);
      elements += "\r\n";
      elements += line(propertyIndent, "</" + property.name + ">");
      continue;
    }
    const std::string text = ValueAsText(property, value);
    const bool hasDouble = text.find('"') != std::string::npos;
    const bool hasSingle = text.find('\'') != std::string::npos;
    if (allElements || (hasDouble && hasSingle)) {
      elements += line(propertyIndent,
                       "<" + property.name + ">" + EncodeElementText(text) + "</" + property.name + ">");
    } else if (hasDouble) {
      attributes += " " + property.name + "='" + text + "'";
    } else {
      attributes += " " + property.name + "=\"" + text + "\"";
    }
  }
  const std::string open = "<" + info.ClassName() + attributes;
  const int childCount = node.GetChildCount();
  if (childCount == 0 && elements.empty()) {
    stream.Write(line(indent, open + " />"));
    return;
  }
  stream.Write(line(indent, open + ">"));
  stream.Write(elements);
  for (int i = 0; i < childCount; ++i)
    node.GetChildren(i)->SaveToStream(stream, format, indent + IndentStep);
  stream.Write(line(indent, "</" + info.ClassName() + ">"));
}

}  // namespace wavora
