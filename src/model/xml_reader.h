#pragma once

#include <string_view>

namespace wavora {

class TBasicXMLNode;
class TStream;

// Reads the body of a node whose start tag has been read (or a whole text, for a root that only
// collects top-level elements) up to and including its end tag: properties given as elements, then
// child elements created through the node registry. Only a whole text may end without an end tag;
// an element the text opened and never closed is a parsing error. With skipUnknowns,
// elements of unregistered classes and attributes that name no property are passed over.
// Raises TXMLNodeParsingError at the first fault; nodes created before it stay attached.
void ReadNodeBody(TBasicXMLNode& node, TStream& stream, bool skipUnknowns);

// Applies attribute text (Name="value" or Name='value' pairs) to a node's properties.
void ApplyAttributeText(TBasicXMLNode& node, std::string_view attributeText, bool skipUnknowns);

}  // namespace wavora
