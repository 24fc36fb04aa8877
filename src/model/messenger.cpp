#include "model/messenger.h"

#include <algorithm>

#include "model/node_errors.h"
#include "model/post_undo_record_action.h"
#include "model/undo_manager.h"

namespace wavora {

TXNMessenger::TXNMessenger() : actions_(MakeNode<TXMLNode>()), undoRecord_(MakeNode<TXNUndoRecord>()) {}

bool TXNMessenger::IsDeadEnd(const iXMLNode& node) const {
  const TFilterVerdict verdict = JudgeNode(filters_, node);
  return verdict.forbidden || (verdict.hasAllows && !verdict.allowed);
}

void TXNMessenger::Process(const iXMLNode& node) {
  const TRef<iXNMessenger> self(this);
  int index = 0;
  while (index < actions_->GetChildCount()) {
    // Held here: a one-shot action leaving the list may drop its last other reference.
    const iXMLNode child = actions_->GetChildren(index);
    const TRef<iXNAction> action = RefCast<iXNAction>(child);
    if (action && action->DoYouWantMe(node)) {
      action->PerformAction(node, self);
      // An action that left the list has its successor in its place already.
      if (index < actions_->GetChildCount() && actions_->GetChildren(index) == child) ++index;
    } else {
      ++index;
    }
  }
  if (actions_->GetChildCount() == 0) done_ = true;
}

bool TXNMessenger::DoProcessExcluding(const iXMLNode& node, const std::vector<iXMLNode>& excluded) {
  const TRef<iXNMessenger> keepAlive(this);
  if (!node) return successful_;
  Process(node);
  int index = 0;
  while (!done_ && index < node->GetChildCount()) {
    const iXMLNode child = node->GetChildren(index);
    if (!IsDeadEnd(child) && std::find(excluded.begin(), excluded.end(), child) == excluded.end()) {
      DoProcessExcluding(child, {});
    }
    // An action may have taken the child out; then the next one already stands at this index.
    if (index < node->GetChildCount() && node->GetChildren(index) == child) ++index;
  }
  return successful_;
}

void TXNMessenger::PassBackFrom(const iXMLNode& sender, const iXMLNode& node) {
  // Held so that an action detaching the node cannot end the climb or make it visit the node twice.
  const iXMLNode parent = node->GetParentNode();
  if ((processOnPassBack_ || passForward_) && parent) {
    if (passForward_) {
      DoProcessExcluding(node, {});
      passForward_ = false;
      if (IsDeadEnd(parent)) done_ = true;
    } else if (sender == node) {
      Process(node);
    } else {
      DoProcessExcluding(node, {sender});
    }
  }
  if (done_) return;
  if (parent) {
    PassBackFrom(node, parent);
  } else if (sender == node && processOnPassBack_ && !passForward_) {
    // A message that skips children and starts at the root reaches the root alone, as it would reach
    // any other starting node alone.
    Process(node);
  } else {
    DoProcessExcluding(node, {sender});
  }
}

bool TXNMessenger::DoProcessOnPassback(const iXMLNode& sender, const iXMLNode& node) {
  const TRef<iXNMessenger> keepAlive(this);
  if (!node) return successful_;
  PassBackFrom(sender, node);
  Finish(sender, node);
  return successful_;
}

bool TXNMessenger::DoProcess(const iXMLNode& node) {
  const TRef<iXNMessenger> keepAlive(this);
  if (!node) return successful_;
  DoProcessExcluding(node, {});
  Finish(node, node);
  return successful_;
}

void TXNMessenger::Finish(const iXMLNode& sender, const iXMLNode& node) {
  if (finished_) return;
  finished_ = true;
  // Replies travel from where this message started, over the whole tree.
  const std::vector<TRef<iXNMessenger>> replies = std::move(returnMessengers_);
  returnMessengers_.clear();
  for (const TRef<iXNMessenger>& reply : replies) {
    reply->SetPassForward(true);
    reply->SetProcessOnPassBack(true);
    reply->DoProcessOnPassback(sender, node);
  }
  if (onPostUndoRecord_) onPostUndoRecord_(undoRecord_);
  if (undoRecord_->ActionCount() > 0) {
    const TRef<TXNMessenger> post(new TXNMessenger());
    post->AddFilter(TRef<iXNFilter>(new TXNInterfaceTypeFilter<iXNUndoManager>(true)));
    const TRef<TXNPostUndoRecordAction> action = MakeNode<TXNPostUndoRecordAction>();
    action->SetUndoRecord(undoRecord_);
    post->AddAction(action);
    post->DoProcessOnPassback(sender, node);
  }
}

void TXNMessenger::AddReturnMessage(const TRef<iXNMessenger>& messenger) {
  if (messenger) returnMessengers_.push_back(messenger);
}

void TXNMessenger::AddAction(const TRef<iXNAction>& newAction) {
  if (!newAction) return;
  const iXMLNode node = RefCast<TBasicXMLNode>(newAction);
  if (!node) throw TXMLNodeError("A messenger can only carry actions that are nodes.");
  actions_->add(node);
}

void TXNMessenger::AddUndoAction(const TRef<iXNAction>& newUndoAction) {
  undoRecord_->AddAction(newUndoAction);
}

void TXNMessenger::AddFilter(const TRef<iXNFilter>& newFilter) {
  if (newFilter) filters_.push_back(newFilter);
}

}  // namespace wavora
