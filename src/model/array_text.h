#pragma once

#include <string>

#include "model/property.h"

namespace wavora {

class TStream;

// The array form of a dynamic-array property: nested "<D>" groups, one per dimension, the innermost
// holding the items separated by commas. With format set, outer groups put each inner group on its
// own line; indent is that of the group's first line.
std::string ArrayAsText(const TArrayValue& value, const TArrayType& type, bool format, int indent);

// Reads the groups of an array property whose start tag has been read, then its end tag.
// Raises TXMLNodeParsingError with the array reader's texts.
TArrayValue ReadArrayText(TStream& stream, const TArrayType& type);

}  // namespace wavora
