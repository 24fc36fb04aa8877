#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/messenger_actions.h"
#include "model/messenger_filters.h"
#include "model/node.h"
#include "model/undo_record.h"

namespace wavora {

// Called with a finished message's undo record.
using TXNNotifyEvent = std::function<void(const iXMLNode&)>;

// Carries actions from a starting node across the tree and collects the undo actions they leave.
class iXNMessenger : public virtual TRefCounted {
 public:
  virtual bool GetProcessOnPassBack() const = 0;
  virtual void SetProcessOnPassBack(bool value) = 0;
  virtual bool GetPassForward() const = 0;
  virtual void SetPassForward(bool value) = 0;
  virtual bool GetSuccessful() const = 0;
  virtual void SetSuccessful(bool value) = 0;
  virtual std::string GetStatusText() const = 0;
  virtual void SetStatusText(const std::string& value) = 0;
  virtual TXNNotifyEvent GetOnPostUndoRecord() const = 0;
  virtual void SetOnPostUndoRecord(TXNNotifyEvent value) = 0;
  virtual bool DoProcess(const iXMLNode& node) = 0;
  virtual bool DoProcessOnPassback(const iXMLNode& sender, const iXMLNode& node) = 0;
  virtual bool DoProcessExcluding(const iXMLNode& node, const std::vector<iXMLNode>& excluded) = 0;
  virtual bool Done() const = 0;
  virtual void AddReturnMessage(const TRef<iXNMessenger>& messenger) = 0;
  virtual void AddAction(const TRef<iXNAction>& newAction) = 0;
  virtual void AddUndoAction(const TRef<iXNAction>& newUndoAction) = 0;
  virtual void AddFilter(const TRef<iXNFilter>& newFilter) = 0;
  virtual TRefCounted* AsObject() = 0;
};

class TXNMessenger : public iXNMessenger {
 public:
  TXNMessenger();

  bool GetProcessOnPassBack() const override { return processOnPassBack_; }
  void SetProcessOnPassBack(bool value) override { processOnPassBack_ = value; }
  bool GetPassForward() const override { return passForward_; }
  void SetPassForward(bool value) override { passForward_ = value; }
  bool GetSuccessful() const override { return successful_; }
  void SetSuccessful(bool value) override { successful_ = value; }
  std::string GetStatusText() const override { return statusText_; }
  void SetStatusText(const std::string& value) override { statusText_ = value; }
  TXNNotifyEvent GetOnPostUndoRecord() const override { return onPostUndoRecord_; }
  void SetOnPostUndoRecord(TXNNotifyEvent value) override { onPostUndoRecord_ = std::move(value); }

  // Processes the node and its subtree, then finishes.
  bool DoProcess(const iXMLNode& node) override;
  // Processes the node as reached from Sender (the node itself when the message starts there), climbs
  // to the root as the flags say, then finishes.
  bool DoProcessOnPassback(const iXMLNode& sender, const iXMLNode& node) override;
  // Processes the node, then every child that is neither a dead end nor excluded, depth first, until
  // the messenger is done.
  bool DoProcessExcluding(const iXMLNode& node, const std::vector<iXMLNode>& excluded) override;
  bool Done() const override { return done_; }
  void AddReturnMessage(const TRef<iXNMessenger>& messenger) override;
  // Actions travel as children of the messenger's own list node, so they must be nodes.
  void AddAction(const TRef<iXNAction>& newAction) override;
  void AddUndoAction(const TRef<iXNAction>& newUndoAction) override;
  void AddFilter(const TRef<iXNFilter>& newFilter) override;
  TRefCounted* AsObject() override { return this; }

  int ActionCount() const { return actions_->GetChildCount(); }
  const TRef<TXNUndoRecord>& UndoRecord() const { return undoRecord_; }

 private:
  // A forbidding filter matches the node, or there are allowing filters and none matches it.
  bool IsDeadEnd(const iXMLNode& node) const;
  // Offers the node to every action that wants it, in order.
  void Process(const iXMLNode& node);
  void PassBackFrom(const iXMLNode& sender, const iXMLNode& node);
  // Runs the return messengers and hands on the undo record, once per messenger.
  void Finish(const iXMLNode& sender, const iXMLNode& node);

  TRef<TXMLNode> actions_;
  TRef<TXNUndoRecord> undoRecord_;
  bool processOnPassBack_ = false;
  bool successful_ = false;
  bool done_ = false;
  bool passForward_ = false;
  bool finished_ = false;
  std::vector<TRef<iXNMessenger>> returnMessengers_;
  std::vector<TRef<iXNFilter>> filters_;
  std::string statusText_;
  TXNNotifyEvent onPostUndoRecord_;
};

}  // namespace wavora
