#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/class_info.h"
#include "model/ref.h"

namespace wavora {

class TStream;
class iXNAction;
class iXNMessenger;

// How a node writes its properties: as attributes where the quote characters allow, or all as
// elements.
enum TParamWriteStyle { pwsAllAttribs, pwsAllElements };

// Which nodes a message visits, starting from the sending node.
enum TSendMessageVisits {
  smvAll,
  smvAllExceptChildren,
  smvParentsOnly,
  smvOtherBranchesFromRoot,
  smvChildrenOnly
};

// Spaces per nesting level in formatted output.
inline constexpr int IndentStep = 2;

// A node of the document tree that can have no children. References between nodes are iXMLNode
// (counted); the parent link is plain and never keeps the parent alive.
class TBasicXMLNode : public virtual TRefCounted {
 public:
  ~TBasicXMLNode() override;

  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

  virtual int GetChildCount() const;
  virtual iXMLNode GetChildren(int index) const;
  iXMLNode Children(int index) const { return GetChildren(index); }
  iXMLNode GetParentNode() const;
  // The parent without taking a reference (safe while the parent may be dying).
  TBasicXMLNode* ParentObject() const { return parentNode_; }
  virtual void SetParentNode(const iXMLNode& value);
  // Sets the class's defaults after construction.
  virtual void Init();
  virtual TParamWriteStyle GetParamWriteStyle() const;
  // Index among the parent's children (the last entry that is this node), or -1 without a parent.
  int GetPosition() const;
  virtual void SetPosition(int value);
  virtual void PassBack(const iXMLNode& sender, const TRef<iXNMessenger>& messenger);
  virtual void SendXNMessage(const TRef<iXNAction>& action, TSendMessageVisits visiting);
  virtual int add(const iXMLNode& node);
  virtual void Remove(const iXMLNode& node);
  virtual void Clear();
  virtual bool IsChild(const iXMLNode& node) const;
  virtual int Move(const iXMLNode& child, int position);
  virtual void LoadFromStream(TStream& stream);
  virtual void LoadFromStreamSkipUnknows(TStream& stream);
  virtual void SaveToStream(TStream& stream, bool format, int indent) const;
  TBasicXMLNode* AsObject() { return this; }
  const TBasicXMLNode* AsObject() const { return this; }

  // A counted reference to this node.
  // Never call it from a constructor: the count is still 0 there, and the release would destroy the
  // node being built.
  iXMLNode Self() const { return iXMLNode(const_cast<TBasicXMLNode*>(this)); }

 protected:
  static void ForgetParent(TBasicXMLNode& child) { child.parentNode_ = nullptr; }

 private:
  TBasicXMLNode* parentNode_ = nullptr;
};

// The children at call time, held: handlers may add or remove children while a caller walks them.
std::vector<iXMLNode> ChildList(const TBasicXMLNode& node);

// A node with an ordered list of children, which it owns.
class TXMLNode : public TBasicXMLNode {
 public:
  ~TXMLNode() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int GetChildCount() const override;
  iXMLNode GetChildren(int index) const override;
  int add(const iXMLNode& node) override;
  void Remove(const iXMLNode& node) override;
  void Clear() override;
  bool IsChild(const iXMLNode& node) const override;
  int Move(const iXMLNode& child, int position) override;

 private:
  // Absent until the first child is added; the difference shows in the error texts.
  std::optional<std::vector<iXMLNode>> children_;
};

// Nodes are created only through MakeNode and live as long as a counted reference to them exists.
// Creates a node the way every node is born: constructed, then initialised by its class's Init.
template <class T>
TRef<T> MakeNode() {
  TRef<T> node(new T());
  node->Init();
  return node;
}

}  // namespace wavora
