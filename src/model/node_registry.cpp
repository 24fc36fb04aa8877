#include "model/node_registry.h"

#include "model/node_errors.h"
#include "model/property_text.h"
#include "model/xml_reader.h"

namespace wavora {

int TNodeRegistry::IndexOfClass(const TClassInfo* nodeClass) const {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].nodeClass == nodeClass) return static_cast<int>(i);
  }
  return -1;
}

void TNodeRegistry::CheckIndex(int index) const {
  if (index < 0 || index >= NodeCount()) throw TXMLNodeRegistryError("Node index is out of range.");
}

void TNodeRegistry::SetEntry(int index, const TNodeRegistryEntry& entry) {
  CheckIndex(index);
  entries_[index] = entry;
}

const TNodeRegistryEntry& TNodeRegistry::GetEntry(int index) const {
  CheckIndex(index);
  return entries_[index];
}

void TNodeRegistry::RegisterNode(const TClassInfo* nodeClass) {
  if (!nodeClass) throw TXMLNodeRegistryError("Node does not support iXMLNode. (Class=nil!!)");
  // A class that cannot be created cannot stand for an element.
  if (nodeClass->IsAbstract()) {
    throw TXMLNodeRegistryError("Node does not support iXMLNode. (" + nodeClass->ClassName() + ")");
  }
  for (const TNodeRegistryEntry& entry : entries_) {
    if (SameText(entry.nodeClass->ClassName(), nodeClass->ClassName())) {
      throw TXMLNodeRegistryError("Node name already registered. (" + nodeClass->ClassName() + ")");
    }
  }
  entries_.push_back({nodeClass});
}

const TClassInfo* TNodeRegistry::FindNodeClass(std::string_view name) const {
  for (const TNodeRegistryEntry& entry : entries_) {
    if (SameText(entry.nodeClass->ClassName(), name)) return entry.nodeClass;
  }
  return nullptr;
}

iXMLNode TNodeRegistry::CreateNodeByName(std::string_view name, std::string_view attributeText,
                                         bool skipUnknowns) const {
  const TClassInfo* nodeClass = FindNodeClass(name);
  if (!nodeClass) return {};
  iXMLNode node = nodeClass->Create();
  ApplyAttributeText(*node, attributeText, skipUnknowns);
  return node;
}

TNodeRegistry& NodeRegistry() {
  static TNodeRegistry registry;
  return registry;
}

}  // namespace wavora
