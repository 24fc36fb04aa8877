#include "model/class_info.h"

#include "model/node.h"
#include "model/property_text.h"

namespace wavora {

iXMLNode TClassInfo::Create() const {
  return factory_ ? factory_() : iXMLNode();
}

const TPropertyInfo* TClassInfo::FindProperty(const std::string& name) const {
  for (const TPropertyInfo& property : properties_) {
    if (SameText(property.name, name)) return &property;
  }
  return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->base_) {
    if (c == &other) return true;
  }
  return false;
}

std::optional<TPropertyValue> TClassInfo::InitialValue(size_t propertyIndex) const {
  if (IsAbstract() || propertyIndex >= properties_.size()) return std::nullopt;
  if (!initialValues_) {
    // One freshly initialised instance per class, read once and kept for the rest of the run.
    const iXMLNode prototype = Create();
    auto values = std::make_shared<std::vector<TPropertyValue>>();
    for (const TPropertyInfo& property : properties_)
      values->push_back(property.get(*prototype));
    prototype->Clear();
    initialValues_ = std::move(values);
  }
  return (*initialValues_)[propertyIndex];
}

}  // namespace wavora
