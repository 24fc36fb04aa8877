#pragma once

#include <string>

#include "model/node.h"

namespace wavora {

class TStream;

// Whole-file reading and writing of nodes. Files are read whole into memory (bounded in size) and
// written to a temporary file beside the target that replaces it only when complete, so a failed
// save never destroys the previous file. File errors raise TFileError naming the file and the reason.
class TFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string ReadFileText(const std::string& fileName);
void WriteFileText(const std::string& fileName, const std::string& text);

void LoadFromFile(TBasicXMLNode& node, const std::string& fileName);
void LoadFromFileSkipUnknowns(TBasicXMLNode& node, const std::string& fileName);
void SaveToFile(const TBasicXMLNode& node, const std::string& fileName);

// The first top-level element of the source, detached from any parent, or none when there is none.
iXMLNode ReadNodeFromFile(const std::string& fileName);
iXMLNode ReadNodeFromFileSkipUnknowns(const std::string& fileName);
iXMLNode ReadNodeFromStream(TStream& stream);
iXMLNode ReadNodeFromStreamSkipUnknowns(TStream& stream);

}  // namespace wavora
