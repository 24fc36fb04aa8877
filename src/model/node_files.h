#pragma once

#include <string>

#include "model/file_text.h"
#include "model/node.h"

namespace wavora {

class TStream;

// Whole-file reading and writing of nodes, through the file text helpers. File bytes are Windows-1252
// or UTF-8 (see file_encoding.h); the nodes always see UTF-8.
void LoadFromFile(TBasicXMLNode& node, const std::string& fileName);
void LoadFromFileSkipUnknowns(TBasicXMLNode& node, const std::string& fileName);
void SaveToFile(const TBasicXMLNode& node, const std::string& fileName);
// The bytes SaveToFile writes.
std::string SaveToText(const TBasicXMLNode& node);

// The first top-level element of the source, detached from any parent, or none when there is none.
iXMLNode ReadNodeFromFile(const std::string& fileName);
iXMLNode ReadNodeFromFileSkipUnknowns(const std::string& fileName);
iXMLNode ReadNodeFromStream(TStream& stream);
iXMLNode ReadNodeFromStreamSkipUnknowns(TStream& stream);

}  // namespace wavora
