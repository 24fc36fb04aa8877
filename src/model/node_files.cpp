#include "model/node_files.h"

#include "model/file_encoding.h"
#include "model/stream.h"

namespace wavora {

namespace {

TStream FileStream(const std::string& fileName) {
  return TStream(DecodeFileText(ReadFileText(fileName)));
}

iXMLNode FirstDetachedChild(TStream& stream, bool skipUnknowns) {
  const iXMLNode root = MakeNode<TXMLNode>();
  if (skipUnknowns) {
    root->LoadFromStreamSkipUnknows(stream);
  } else {
    root->LoadFromStream(stream);
  }
  if (root->GetChildCount() == 0) return {};
  iXMLNode first = root->GetChildren(0);
  first->SetParentNode(nullptr);
  root->Clear();
  return first;
}

iXMLNode ReadNodeFromFileText(const std::string& fileName, bool skipUnknowns) {
  TStream stream = FileStream(fileName);
  return FirstDetachedChild(stream, skipUnknowns);
}

}  // namespace

void LoadFromFile(TBasicXMLNode& node, const std::string& fileName) {
  TStream stream = FileStream(fileName);
  node.LoadFromStream(stream);
}

void LoadFromFileSkipUnknowns(TBasicXMLNode& node, const std::string& fileName) {
  TStream stream = FileStream(fileName);
  node.LoadFromStreamSkipUnknows(stream);
}

void SaveToFile(const TBasicXMLNode& node, const std::string& fileName) {
  WriteFileText(fileName, SaveToText(node));
}

std::string SaveToText(const TBasicXMLNode& node) {
  TStream stream;
  node.SaveToStream(stream, true, 0);
  return EncodeFileText(stream.Data());
}

iXMLNode ReadNodeFromFile(const std::string& fileName) {
  return ReadNodeFromFileText(fileName, false);
}
iXMLNode ReadNodeFromFileSkipUnknowns(const std::string& fileName) {
  return ReadNodeFromFileText(fileName, true);
}
iXMLNode ReadNodeFromStream(TStream& stream) {
  return FirstDetachedChild(stream, false);
}
iXMLNode ReadNodeFromStreamSkipUnknowns(TStream& stream) {
  return FirstDetachedChild(stream, true);
}

}  // namespace wavora
