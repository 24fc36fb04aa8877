#pragma once

#include <string>

#include "model/messenger_actions.h"
#include "model/node.h"

namespace wavora {

// The undo actions that one message left behind, in the order they were performed. Its children are
// actions and nothing else.
class TXNUndoRecord : public TXMLNode {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Refuses a node that is not an action.
  int add(const iXMLNode& node) override;

  int ActionCount() const { return GetChildCount(); }
  TRef<iXNAction> GetAction(int index) const;
  // Appends an action; it must be a node to be held in the record.
  void AddAction(const TRef<iXNAction>& action);

  // Initialises every action for undo, then unperforms them last to first, so a later change is
  // taken back before the earlier one it may build on.
  void Undo();
  // Initialises every action for redo, then performs them first to last, as they first ran.
  void Redo();

  // The first action's texts, with "..." appended when the record holds more than one action.
  std::string GetPerformText() const;
  std::string GetUnPerformText() const;
  // True when both records hold the same number of actions and they are pairwise equivalent.
  bool IsEquivelent(const TXNUndoRecord& other) const;
};

}  // namespace wavora
