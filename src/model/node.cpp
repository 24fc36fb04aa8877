#include "model/node.h"

#include <cstdio>
#include <cstdlib>

#include "model/node_errors.h"
#include "model/xml_reader.h"
#include "model/xml_writer.h"

namespace wavora {

const TClassInfo& TBasicXMLNode::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TBasicXMLNode>("TBasicXMLNode", nullptr).Build();
  return info;
}

const TClassInfo& TXMLNode::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TXMLNode>("TXMLNode", &TBasicXMLNode::StaticClassInfo()).Build();
  return info;
}

TBasicXMLNode::~TBasicXMLNode() {
  // Only a node that was never counted (or was released to zero) may die; anything else is a
  // dangling reference waiting to happen, so stop at once rather than corrupt the document.
  if (RefCount() != 0) {
    std::fputs("Node being destroyed with none zero reference count\n", stderr);
    std::abort();
  }
}

int TBasicXMLNode::GetChildCount() const {
  return 0;
}

iXMLNode TBasicXMLNode::GetChildren(int) const {
  throw TXMLNodeError("This object can have no children");
}

iXMLNode TBasicXMLNode::GetParentNode() const {
  return iXMLNode(parentNode_);
}

void TBasicXMLNode::SetParentNode(const iXMLNode& value) {
  const iXMLNode keepAlive = Self();
  const iXMLNode old = GetParentNode();
  if (old == value) return;
  if (value && !value->IsChild(keepAlive)) value->add(keepAlive);
  if (old && old->IsChild(keepAlive)) old->Remove(keepAlive);
  parentNode_ = value.Get();
}

void TBasicXMLNode::Init() {
  parentNode_ = nullptr;
}

TParamWriteStyle TBasicXMLNode::GetParamWriteStyle() const {
  return pwsAllAttribs;
}

int TBasicXMLNode::GetPosition() const {
  if (!parentNode_) return -1;
  int result = -1;
  const int count = parentNode_->GetChildCount();
  for (int i = 0; i < count; ++i) {
    if (parentNode_->GetChildren(i).Get() == this) result = i;
  }
  return result;
}

void TBasicXMLNode::SetPosition(int value) {
  if (!parentNode_) return;
  const int count = parentNode_->GetChildCount();
  if (value >= count) value = count - 1;
  if (value < 0) value = 0;
  if (value != GetPosition()) parentNode_->Move(Self(), value);
}

int TBasicXMLNode::add(const iXMLNode&) {
  return -1;
}

void TBasicXMLNode::Remove(const iXMLNode&) {
  throw TXMLNodeError("This object can have no children so cannot do \"Remove\" ");
}

void TBasicXMLNode::Clear() {}

bool TBasicXMLNode::IsChild(const iXMLNode&) const {
  return false;
}

int TBasicXMLNode::Move(const iXMLNode&, int) {
  throw TXMLNodeError("This object can have no children so cannot do \"Move\" ");
}

void TBasicXMLNode::LoadFromStream(TStream& stream) {
  ReadNodeBody(*this, stream, false);
}

void TBasicXMLNode::LoadFromStreamSkipUnknows(TStream& stream) {
  ReadNodeBody(*this, stream, true);
}

void TBasicXMLNode::SaveToStream(TStream& stream, bool format, int indent) const {
  WriteNode(*this, stream, format, indent);
}

TXMLNode::~TXMLNode() {
  // Children that outlive this node (someone else still holds them) must not point at it.
  if (children_) {
    for (const iXMLNode& child : *children_) {
      if (child->ParentObject() == this) ForgetParent(*child);
    }
  }
}

int TXMLNode::GetChildCount() const {
  return children_ ? static_cast<int>(children_->size()) : 0;
}

iXMLNode TXMLNode::GetChildren(int index) const {
  if (!children_) throw TXMLNodeError("There are no children in node.");
  if (index >= static_cast<int>(children_->size())) throw TXMLNodeError("Index is higher than child count");
  if (index < 0) throw TXMLNodeError("Index is less than zero");
  return (*children_)[index];
}

bool TXMLNode::IsChild(const iXMLNode& node) const {
  if (!children_) return false;
  for (const iXMLNode& child : *children_) {
    if (child == node) return true;
  }
  return false;
}

int TXMLNode::add(const iXMLNode& node) {
  if (!node) return -1;
  if (children_) {
    for (size_t i = 0; i < children_->size(); ++i) {
      if ((*children_)[i] == node) return static_cast<int>(i);
    }
  } else {
    children_.emplace();
  }
  children_->push_back(node);
  const int index = static_cast<int>(children_->size()) - 1;
  node->SetParentNode(Self());
  return index;
}

void TXMLNode::Remove(const iXMLNode& node) {
  if (!children_) throw TXMLNodeError("Can't remove child nodes when parent has no children yet");
  const iXMLNode keepAlive = node;
  for (int i = static_cast<int>(children_->size()) - 1; i >= 0; --i) {
    if (i < static_cast<int>(children_->size()) && (*children_)[i] == node) {
      children_->erase(children_->begin() + i);
      if (node) node->SetParentNode(nullptr);
    }
  }
}

void TXMLNode::Clear() {
  if (!children_) return;
  while (!children_->empty()) {
    const iXMLNode first = (*children_)[0];
    first->Clear();
    if (children_->empty()) break;
    Remove((*children_)[0]);
  }
  children_->clear();
}

int TXMLNode::Move(const iXMLNode& child, int position) {
  if (!children_ || !child || child->ParentObject() != this) return -1;
  int oldIndex = -1;
  for (size_t i = 0; i < children_->size(); ++i) {
    if ((*children_)[i] == child) {
      oldIndex = static_cast<int>(i);
      break;
    }
  }
  if (oldIndex < 0) return -1;
  const iXMLNode keep = child;
  children_->erase(children_->begin() + oldIndex);
  const int count = static_cast<int>(children_->size());
  if (position < 0) position = 0;
  if (position > count) position = count;
  children_->insert(children_->begin() + position, keep);
  return oldIndex;
}

std::vector<iXMLNode> ChildList(const TBasicXMLNode& node) {
  std::vector<iXMLNode> children;
  const int count = node.GetChildCount();
  children.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    children.push_back(node.GetChildren(i));
  return children;
}

}  // namespace wavora
