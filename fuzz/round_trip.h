#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wavora {

class TBasicXMLNode;
class TWaterCollection;

// The first published property in which two node trees differ (same classes, same children in
// order, equal values; NaN equals NaN, and 0 differs from -0), described with its path, or none.
// The identifier of an object inside another scene object is not compared: it is new at every add.
std::optional<std::string> TreeDifference(const TBasicXMLNode& first, const TBasicXMLNode& second);

// Saves an opened slideshow, reads the text back, sizes its tanks the same and saves it again: both
// texts must be the same bytes (identifiers aside, which the trees compare) and the second document
// must equal the first property by property.
// Returns what differs, or none.
std::optional<std::string> RoundTripDifference(const TWaterCollection& slideshow);

}  // namespace wavora
