#include "model/undo_record.h"

#include "model/node_errors.h"

namespace wavora {

namespace {

// The texts of the first action, marked when more follow.
std::string SummaryText(const TXNUndoRecord& record, std::string (iXNAction::*text)() const) {
  if (record.ActionCount() == 0) return {};
  std::string result = (*record.GetAction(0).*text)();
  if (record.ActionCount() > 1) result += "...";
  return result;
}

}  // namespace

const TClassInfo& TXNUndoRecord::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TXNUndoRecord>("TXNUndoRecord", &TXMLNode::StaticClassInfo()).Build();
  return info;
}

int TXNUndoRecord::add(const iXMLNode& node) {
  if (node && !dynamic_cast<iXNAction*>(node.Get())) {
    throw TXMLNodeUndoManagerError(
        "Attempt to add a action to undo record which doesn't have correct Action interface.");
  }
  return TXMLNode::add(node);
}

TRef<iXNAction> TXNUndoRecord::GetAction(int index) const {
  if (index < 0 || index >= GetChildCount()) {
    throw TXMLNodeUndoManagerError("Trying to get undo record Action which is out of range.");
  }
  TRef<iXNAction> action = RefCast<iXNAction>(GetChildren(index));
  if (!action) {
    throw TXMLNodeUndoManagerError(
        "Trying to get undo record Action which does not support action interface.");
  }
  return action;
}

void TXNUndoRecord::AddAction(const TRef<iXNAction>& action) {
  const iXMLNode node = RefCast<TBasicXMLNode>(action);
  if (action && !node) throw TXMLNodeUndoManagerError("An undo record can only hold actions that are nodes.");
  add(node);
}

void TXNUndoRecord::Undo() {
  for (int i = 0; i < ActionCount(); ++i) {
    GetAction(i)->InitialiseForUndo();
  }
  for (int i = ActionCount() - 1; i >= 0; --i) {
    GetAction(i)->UnPerform();
  }
}

void TXNUndoRecord::Redo() {
  for (int i = 0; i < ActionCount(); ++i) {
    GetAction(i)->InitialiseForRedo();
  }
  for (int i = 0; i < ActionCount(); ++i) {
    GetAction(i)->Perform();
  }
}

std::string TXNUndoRecord::GetPerformText() const {
  return SummaryText(*this, &iXNAction::GetPerformText);
}

std::string TXNUndoRecord::GetUnPerformText() const {
  return SummaryText(*this, &iXNAction::GetUnPerformText);
}

bool TXNUndoRecord::IsEquivelent(const TXNUndoRecord& other) const {
  if (ActionCount() != other.ActionCount()) return false;
  for (int i = 0; i < ActionCount(); ++i) {
    if (!GetAction(i)->IsEquivelent(other.GetAction(i))) return false;
  }
  return true;
}

}  // namespace wavora
