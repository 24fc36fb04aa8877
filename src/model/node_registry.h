#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/node.h"

namespace wavora {

struct TNodeRegistryEntry {
  const TClassInfo* nodeClass = nullptr;
};

// Maps element names of the text format to node classes. The element name is the class name,
// compared without regard to letter case.
class TNodeRegistry {
 public:
  // Index of the first entry holding exactly that class, or -1.
  int IndexOfClass(const TClassInfo* nodeClass) const;
  void SetEntry(int index, const TNodeRegistryEntry& entry);
  int NodeCount() const { return static_cast<int>(entries_.size()); }
  const TNodeRegistryEntry& GetEntry(int index) const;
  void RegisterNode(const TClassInfo* nodeClass);

  const TClassInfo* FindNodeClass(std::string_view name) const;
  bool IsRegistered(std::string_view name) const { return FindNodeClass(name) != nullptr; }
  // An initialised node of the class registered under that name, with the attribute text applied to
  // its properties; none when the name is not registered.
  iXMLNode CreateNodeByName(std::string_view name, std::string_view attributeText, bool skipUnknowns) const;

 private:
  void CheckIndex(int index) const;

  std::vector<TNodeRegistryEntry> entries_;
};

// The one registry of the program.
TNodeRegistry& NodeRegistry();

}  // namespace wavora
