#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "model/property.h"
#include "model/ref.h"

namespace wavora {

class TBasicXMLNode;
using iXMLNode = TRef<TBasicXMLNode>;
template <class T>
TRef<T> MakeNode();

// The one description of a node class: its element name, base, factory, class-level texts and its
// published properties in declaration order, inherited first. The text format, the property-by-name
// service, the registry and the catalogue all read it.
class TClassInfo {
 public:
  using Factory = iXMLNode (*)();

  const std::string& ClassName() const { return name_; }
  const TClassInfo* Base() const { return base_; }
  // Creates an initialised instance; none for abstract classes.
  iXMLNode Create() const;
  bool IsAbstract() const { return factory_ == nullptr; }
  const std::string& TypeName() const { return typeName_; }
  const std::string& TypeDescription() const { return typeDescription_; }
  const std::vector<TPropertyInfo>& Properties() const { return properties_; }

  // The property of that name, compared without regard to ASCII letter case, or none.
  const TPropertyInfo* FindProperty(const std::string& name) const;
  // True for this class and every class derived from it.
  bool InheritsFrom(const TClassInfo& other) const;
  // The value a property has right after the class's initialisation, or none for abstract classes.
  // The writer uses it to keep every value that reading would not restore.
  std::optional<TPropertyValue> InitialValue(size_t propertyIndex) const;

 private:
  template <class C>
  friend class TClassBuilder;

  std::string name_;
  const TClassInfo* base_ = nullptr;
  Factory factory_ = nullptr;
  std::string typeName_;
  std::string typeDescription_;
  std::vector<TPropertyInfo> properties_;
  mutable std::shared_ptr<const std::vector<TPropertyValue>> initialValues_;
};

namespace detail {

template <class C, class Get>
auto Read(const C& object, Get get) {
  return std::invoke(get, object);
}

template <class C, class Set, class V>
void Write(C& object, Set set, V&& value) {
  if constexpr (std::is_member_object_pointer_v<Set>) {
    object.*set = std::forward<V>(value);
  } else {
    std::invoke(set, object, std::forward<V>(value));
  }
}

}  // namespace detail

// Builds the description of class C. Accessors are member functions or data members of C, so
// setters keep their side effects:
//   static const TClassInfo info = TClassBuilder<TWater>("TWater", &TXMLNode::StaticClassInfo())
//       .Single("Exposure", &TWater::GetExposure, &TWater::SetExposure)
//       .Build();
template <class C>
class TClassBuilder {
 public:
  TClassBuilder(std::string name, const TClassInfo* base) {
    info_.name_ = std::move(name);
    info_.base_ = base;
    if (base) {
      info_.properties_ = base->Properties();
      info_.typeName_ = base->TypeName();
      info_.typeDescription_ = base->TypeDescription();
    }
    if constexpr (!std::is_abstract_v<C> && std::is_default_constructible_v<C>) {
      info_.factory_ = [] { return iXMLNode(MakeNode<C>()); };
    }
  }

  TClassBuilder& Texts(std::string typeName, std::string typeDescription) {
    info_.typeName_ = std::move(typeName);
    info_.typeDescription_ = std::move(typeDescription);
    return *this;
  }
  // For classes that cannot be created by name.
  TClassBuilder& Abstract() {
    info_.factory_ = nullptr;
    return *this;
  }

  template <class Get, class Set>
  TClassBuilder& Integer(std::string name, Get get, Set set, std::optional<int32_t> declaredDefault = {}) {
    return Add<int32_t>(std::move(name), TPropertyKind::Integer, get, set, declaredDefault);
  }
  template <class Get, class Set>
  TClassBuilder& Boolean(std::string name, Get get, Set set) {
    Add<bool>(std::move(name), TPropertyKind::Boolean, get, set, std::nullopt);
    info_.properties_.back().valueNames = {"False", "True"};
    return *this;
  }
  // Enumeration accessors may use any enum type or integer; the file holds the value name.
  template <class Get, class Set>
  TClassBuilder& Enumeration(std::string name, std::vector<std::string> valueNames, Get get, Set set,
                             std::optional<int32_t> declaredDefault = {}) {
    TPropertyInfo p;
    p.name = std::move(name);
    p.kind = TPropertyKind::Enumeration;
    p.valueNames = std::move(valueNames);
    p.declaredDefault = declaredDefault;
    p.get = [get](const TBasicXMLNode& n) {
      return TPropertyValue(static_cast<int32_t>(detail::Read(static_cast<const C&>(n), get)));
    };
    p.set = [set](TBasicXMLNode& n, const TPropertyValue& v) {
      using Target =
          std::remove_cvref_t<decltype(detail::Read(std::declval<const C&>(), std::declval<Get>()))>;
      detail::Write(static_cast<C&>(n), set, static_cast<Target>(std::get<int32_t>(v)));
    };
    info_.properties_.push_back(std::move(p));
    return *this;
  }
  template <class Get, class Set>
  TClassBuilder& Single(std::string name, Get get, Set set) {
    return Add<float>(std::move(name), TPropertyKind::Single, get, set, std::nullopt);
  }
  template <class Get, class Set>
  TClassBuilder& Double(std::string name, Get get, Set set) {
    return Add<double>(std::move(name), TPropertyKind::Double, get, set, std::nullopt);
  }
  template <class Get, class Set>
  TClassBuilder& String(std::string name, Get get, Set set) {
    return Add<std::string>(std::move(name), TPropertyKind::String, get, set, std::nullopt);
  }
  template <class Get, class Set>
  TClassBuilder& Int64(std::string name, Get get, Set set) {
    return Add<int64_t>(std::move(name), TPropertyKind::Int64, get, set, std::nullopt);
  }
  template <class Get, class Set>
  TClassBuilder& DynArray(std::string name, TArrayType type, Get get, Set set) {
    Add<TArrayValue>(std::move(name), TPropertyKind::DynArray, get, set, std::nullopt);
    info_.properties_.back().arrayType = std::move(type);
    return *this;
  }

  // Marks the property added last as session state (see TPropertyInfo).
  TClassBuilder& SessionState() {
    info_.properties_.back().sessionState = true;
    return *this;
  }

  TClassInfo Build() { return std::move(info_); }

 private:
  template <class T, class Get, class Set>
  TClassBuilder& Add(std::string name, TPropertyKind kind, Get get, Set set,
                     std::optional<int32_t> declaredDefault) {
    TPropertyInfo p;
    p.name = std::move(name);
    p.kind = kind;
    p.declaredDefault = declaredDefault;
    p.get = [get](const TBasicXMLNode& n) {
      return TPropertyValue(static_cast<T>(detail::Read(static_cast<const C&>(n), get)));
    };
    p.set = [set](TBasicXMLNode& n, const TPropertyValue& v) {
      detail::Write(static_cast<C&>(n), set, std::get<T>(v));
    };
    info_.properties_.push_back(std::move(p));
    return *this;
  }

  TClassInfo info_;
};

}  // namespace wavora
