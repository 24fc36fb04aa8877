#pragma once

#include <string>
#include <vector>

#include "model/messenger_filters.h"
#include "model/node.h"

namespace wavora {

class iXNMessenger;

// Work that a messenger carries through the tree: the action says through its filters which nodes it
// wants and what it does to them, and can be undone and redone from an undo record.
class iXNAction : public virtual TRefCounted {
 public:
  virtual void AddFilter(const TRef<iXNFilter>& newFilter) = 0;
  virtual bool DoYouWantMe(const iXMLNode& node) = 0;
  virtual void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) = 0;
  virtual void Perform() = 0;
  virtual void UnPerform() = 0;
  virtual std::string GetPerformText() const = 0;
  virtual std::string GetUnPerformText() const = 0;
  virtual void InitialiseForUndo() = 0;
  virtual void InitialiseForRedo() = 0;
  virtual bool IsEquivelent(const TRef<iXNAction>& newAction) const = 0;
  virtual void Merge(const TRef<iXNAction>& undoRecord) = 0;
};

// An action that is also a node, so messengers and undo records can hold it as a child. It does
// nothing itself; descendants override Perform and UnPerform.
class TXNBasicAction : public TXMLNode, public iXNAction {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  bool RemoveAfterPerform() const { return removeAfterPerform_; }
  void SetRemoveAfterPerform(bool value) { removeAfterPerform_ = value; }

  void AddFilter(const TRef<iXNFilter>& newFilter) override;
  // True exactly when an allowing filter matches the node and no forbidding one does.
  bool DoYouWantMe(const iXMLNode& node) override;
  // Performs, then leaves its parent (the messenger's list of actions) when it is a one-shot action.
  void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override;
  void Perform() override;
  void UnPerform() override;
  std::string GetPerformText() const override;
  std::string GetUnPerformText() const override;
  void InitialiseForUndo() override;
  void InitialiseForRedo() override;
  // True when both actions are of the same class.
  bool IsEquivelent(const TRef<iXNAction>& newAction) const override;
  void Merge(const TRef<iXNAction>& undoRecord) override;

 private:
  std::vector<TRef<iXNFilter>> filters_;
  bool removeAfterPerform_ = false;
};

// Creates an action the way its constructor would take them: with an optional first filter and the
// one-shot flag.
template <class T>
TRef<T> MakeAction(const TRef<iXNFilter>& firstFilter = nullptr, bool removeAfterPerform = false) {
  TRef<T> action = MakeNode<T>();
  if (firstFilter) action->AddFilter(firstFilter);
  action->SetRemoveAfterPerform(removeAfterPerform);
  return action;
}

}  // namespace wavora
