#pragma once

namespace wavora {

class TBasicXMLNode;
class TStream;

// Writes a node and its subtree as one element per node, properties as attributes (or property
// elements where the quote characters require), children nested in order. With format set every
// line is indented and ends with CR LF.
void WriteNode(const TBasicXMLNode& node, TStream& stream, bool format, int indent);

}  // namespace wavora
