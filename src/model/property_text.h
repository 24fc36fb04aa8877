#pragma once

#include <string>
#include <string_view>

#include "model/property.h"

namespace wavora {

class TBasicXMLNode;

// Sets the published property Name of a node from its text form. An unknown name raises
// TXMLNodeParsingError unless skipUnknowns is set; a text that does not convert raises EConvertError
// either way.
void SetPropertyFromText(TBasicXMLNode& object, std::string_view name, std::string_view text,
                         bool skipUnknowns);

// The text form of the published property Name (0 and empty values included).
std::string PropertyAsText(const TBasicXMLNode& object, std::string_view name);

// The text form of one value of a property, as the writer puts it into a file.
std::string ValueAsText(const TPropertyInfo& property, const TPropertyValue& value);

// Element encoding: "&" becomes "&amp", then "<" becomes "&lt" (no semicolons); array strings also
// turn '"' into "&dq". Decoding undoes all three in one left-to-right pass.
std::string EncodeElementText(std::string_view text, bool encodeDoubleQuotes = false);
std::string DecodeElementText(std::string_view text);

// ASCII case-insensitive comparison, as element and property names are compared on reading.
bool SameText(std::string_view a, std::string_view b);

}  // namespace wavora
