#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/messenger.h"
#include "model/messenger_actions.h"
#include "model/messenger_filters.h"
#include "model/node.h"
#include "model/node_errors.h"
#include "model/post_undo_record_action.h"
#include "model/undo_manager.h"
#include "model/undo_record.h"

namespace wavora {
namespace {

using TLog = std::vector<std::string>;

// Every node is a TBasicXMLNode, so this filter allows (or forbids) the whole tree.
TRef<iXNFilter> EveryNode(bool allow = true) {
  return TRef<iXNFilter>(new TXNInterfaceTypeFilter<TBasicXMLNode>(allow));
}

TRef<iXNFilter> Only(const iXMLNode& node, bool allow = true) {
  return TRef<iXNFilter>(new TXNInstanceFilter(node, allow));
}

// Writes the name of every node it is performed on.
class TRecordingAction : public TXNBasicAction {
 public:
  void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override {
    log->push_back(prefix + names->at(node.Get()));
    TXNBasicAction::PerformAction(node, sender);
  }

  TLog* log = nullptr;
  const std::map<const TBasicXMLNode*, std::string>* names = nullptr;
  std::string prefix;
};

// An undo action that writes what is done to it.
class TLoggingUndoAction : public TXNBasicAction {
 public:
  void Perform() override { log->push_back("perform " + name); }
  void UnPerform() override { log->push_back("unperform " + name); }
  void InitialiseForUndo() override { log->push_back("init undo " + name); }
  void InitialiseForRedo() override { log->push_back("init redo " + name); }
  std::string GetPerformText() const override { return "Move " + name; }
  std::string GetUnPerformText() const override { return "Move " + name + " back"; }

  TLog* log = nullptr;
  std::string name;
};

class TOtherAction : public TXNBasicAction {};

// A node that keeps the undo records offered to it.
class TUndoManagerNode : public TXMLNode, public iXNUndoManager {
 public:
  void AddUndoRecord(const TRef<TXNUndoRecord>& undoRecord) override { records.push_back(undoRecord); }

  std::vector<TRef<TXNUndoRecord>> records;
};

TRef<TLoggingUndoAction> MakeUndoAction(TLog& log, const std::string& name) {
  TRef<TLoggingUndoAction> action = MakeNode<TLoggingUndoAction>();
  action->log = &log;
  action->name = name;
  return action;
}

// R
// +- A
// |  +- A1
// |  +- A2
// |     +- A2a
// +- B
//    +- B1
class Messages : public ::testing::Test {
 protected:
  Messages() {
    root_ = MakeNode<TUndoManagerNode>();
    names_[root_.Get()] = "R";
    nodes_["R"] = root_;
    Attach("A", "R");
    Attach("A1", "A");
    Attach("A2", "A");
    Attach("A2a", "A2");
    Attach("B", "R");
    Attach("B1", "B");
  }

  void Attach(const std::string& name, const std::string& parent) {
    const iXMLNode node = MakeNode<TXMLNode>();
    nodes_[parent]->add(node);
    nodes_[name] = node;
    names_[node.Get()] = name;
  }

  TRef<TRecordingAction> Recorder(const TRef<iXNFilter>& filter, bool removeAfterPerform = false,
                                  const std::string& prefix = "") {
    TRef<TRecordingAction> action = MakeAction<TRecordingAction>(filter, removeAfterPerform);
    action->log = &log_;
    action->names = &names_;
    action->prefix = prefix;
    return action;
  }

  // A messenger set up as SendXNMessage with smvAll sets it up.
  static TRef<TXNMessenger> AllMessenger() {
    const TRef<TXNMessenger> messenger(new TXNMessenger());
    messenger->SetPassForward(true);
    messenger->SetProcessOnPassBack(true);
    return messenger;
  }

  std::string Visited() const {
    std::string result;
    for (const std::string& entry : log_)
      result += (result.empty() ? "" : " ") + entry;
    return result;
  }

  TRef<TUndoManagerNode> root_;
  std::map<std::string, iXMLNode> nodes_;
  std::map<const TBasicXMLNode*, std::string> names_;
  TLog log_;
};

struct TVisitCase {
  const char* start;
  TSendMessageVisits visiting;
  const char* reached;
};

std::string VisitCaseName(const ::testing::TestParamInfo<TVisitCase>& info) {
  static const char* const kModeNames[] = {"All", "AllExceptChildren", "ParentsOnly", "OtherBranchesFromRoot",
                                           "ChildrenOnly"};
  return std::string(kModeNames[info.param.visiting]) + "From" + info.param.start;
}

class MessageVisits : public Messages, public ::testing::WithParamInterface<TVisitCase> {};

TEST_P(MessageVisits, ReachNodesInOrder) {
  const TVisitCase& c = GetParam();
  nodes_[c.start]->SendXNMessage(Recorder(EveryNode()), c.visiting);
  EXPECT_EQ(Visited(), c.reached);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MessageVisits,
    ::testing::Values(
        // The node, its subtree, then each ancestor with its other branches.
        TVisitCase{"A2", smvAll, "A2 A2a A A1 R B B1"}, TVisitCase{"A", smvAll, "A A1 A2 A2a R B B1"},
        TVisitCase{"R", smvAll, "R A A1 A2 A2a B B1"},
        // The node alone, then each ancestor with its other branches.
        TVisitCase{"A2", smvAllExceptChildren, "A2 A A1 R B B1"},
        TVisitCase{"B1", smvAllExceptChildren, "B1 B R A A1 A2 A2a"},
        TVisitCase{"R", smvAllExceptChildren, "R"},
        // The node and its ancestors.
        TVisitCase{"A2a", smvParentsOnly, "A2a A2 A R"}, TVisitCase{"R", smvParentsOnly, "R"},
        // The root and every branch except the one holding the node.
        TVisitCase{"A2", smvOtherBranchesFromRoot, "R B B1"},
        TVisitCase{"B", smvOtherBranchesFromRoot, "R A A1 A2 A2a"},
        TVisitCase{"R", smvOtherBranchesFromRoot, "R A A1 A2 A2a B B1"},
        // The node and its subtree.
        TVisitCase{"A", smvChildrenOnly, "A A1 A2 A2a"}, TVisitCase{"B1", smvChildrenOnly, "B1"},
        TVisitCase{"R", smvChildrenOnly, "R A A1 A2 A2a B B1"}),
    VisitCaseName);

TEST_F(Messages, InstanceFilteredActionIsPerformedOnceOnItsTargetFromAnywhere) {
  for (const auto& [name, node] : nodes_) {
    SCOPED_TRACE(name);
    log_.clear();
    node->SendXNMessage(Recorder(Only(nodes_["A1"])), smvAll);
    EXPECT_EQ(Visited(), "A1");
  }
}

TEST_F(Messages, SentActionIsReleasedAndDetachedAfterTheMessage) {
  const TRef<TRecordingAction> action = Recorder(EveryNode());
  nodes_["A"]->SendXNMessage(action, smvAll);
  EXPECT_EQ(action->RefCount(), 1);
  EXPECT_FALSE(action->GetParentNode());
}

TEST_F(Messages, OneShotActionLeavesAfterItsFirstNodeAndTheMessengerEndsWithoutActions) {
  const TRef<TXNMessenger> messenger = AllMessenger();
  messenger->AddAction(Recorder(EveryNode(), true, "once:"));
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcessOnPassback(nodes_["A"], nodes_["A"]);
  EXPECT_EQ(Visited(), "once:A A A1 A2 A2a R B B1");
  EXPECT_EQ(messenger->ActionCount(), 1);
  EXPECT_FALSE(messenger->Done());

  const TRef<TXNMessenger> alone = AllMessenger();
  alone->AddAction(Recorder(EveryNode(), true));
  alone->DoProcessOnPassback(nodes_["B"], nodes_["B"]);
  EXPECT_TRUE(alone->Done());
}

TEST_F(Messages, WalkGoesOnWhenAnActionTakesTheVisitedChildOut) {
  // Detaches the node it is performed on, as a delete command would.
  class TDetachAction : public TXNBasicAction {
   public:
    void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override {
      node->SetParentNode(nullptr);
      TXNBasicAction::PerformAction(node, sender);
    }
  };
  const iXMLNode a1 = nodes_["A1"];
  const TRef<TXNMessenger> messenger = AllMessenger();
  messenger->AddAction(MakeAction<TDetachAction>(Only(a1)));
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcessOnPassback(nodes_["A"], nodes_["A"]);
  EXPECT_EQ(Visited(), "A A1 A2 A2a R B B1");
  EXPECT_FALSE(a1->GetParentNode());
  EXPECT_EQ(nodes_["A"]->GetChildCount(), 1);
}

TEST_F(Messages, ActionsWantNodesAllowedAndNotForbidden) {
  const iXMLNode a1 = nodes_["A1"];
  const iXMLNode b = nodes_["B"];
  const TRef<TXNBasicAction> none = MakeNode<TXNBasicAction>();
  EXPECT_FALSE(none->DoYouWantMe(a1)) << "without allowing filters an action wants nothing";

  const TRef<TXNBasicAction> two = MakeAction<TXNBasicAction>(Only(a1));
  two->AddFilter(Only(b));
  EXPECT_TRUE(two->DoYouWantMe(a1));
  EXPECT_TRUE(two->DoYouWantMe(b));
  EXPECT_FALSE(two->DoYouWantMe(nodes_["A"]));

  const TRef<TXNBasicAction> allButB = MakeAction<TXNBasicAction>(EveryNode());
  allButB->AddFilter(Only(b, false));
  EXPECT_TRUE(allButB->DoYouWantMe(a1));
  EXPECT_FALSE(allButB->DoYouWantMe(b));

  const TRef<TXNBasicAction> managers =
      MakeAction<TXNBasicAction>(TRef<iXNFilter>(new TXNInterfaceTypeFilter<iXNUndoManager>(true)));
  EXPECT_TRUE(managers->DoYouWantMe(root_));
  EXPECT_FALSE(managers->DoYouWantMe(a1));
}

TEST_F(Messages, MessengerFiltersKeepItOutOfDeadEnds) {
  const TRef<TXNMessenger> messenger = AllMessenger();
  messenger->AddFilter(Only(nodes_["A2"], false));
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcess(nodes_["R"]);
  EXPECT_EQ(Visited(), "R A A1 B B1");
}

TEST_F(Messages, ProcessingReportsWhatTheActionsSet) {
  class TSucceedingAction : public TXNBasicAction {
   public:
    void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override {
      sender->SetSuccessful(true);
      sender->SetStatusText("found");
      TXNBasicAction::PerformAction(node, sender);
    }
  };
  const TRef<TXNMessenger> messenger = AllMessenger();
  messenger->AddAction(MakeAction<TSucceedingAction>(Only(nodes_["B1"])));
  EXPECT_FALSE(messenger->GetSuccessful());
  EXPECT_TRUE(messenger->DoProcessOnPassback(nodes_["A"], nodes_["A"]));
  EXPECT_EQ(messenger->GetStatusText(), "found");
}

TEST_F(Messages, ReturnMessengerTravelsTheWholeTreeFromTheStartAfterTheMessage) {
  // Performed on its target, it asks for a reply that reaches every node.
  class TReplyingAction : public TXNBasicAction {
   public:
    void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override {
      const TRef<TXNMessenger> reply(new TXNMessenger());
      reply->AddAction(replyAction);
      sender->AddReturnMessage(reply);
      TXNBasicAction::PerformAction(node, sender);
    }
    TRef<iXNAction> replyAction;
  };
  const TRef<TReplyingAction> action = MakeAction<TReplyingAction>(Only(nodes_["A2a"]));
  action->replyAction = Recorder(EveryNode(), false, "reply:");

  // Set up as smvChildrenOnly from A2: the message itself covers A2 and A2a only.
  const TRef<TXNMessenger> messenger(new TXNMessenger());
  messenger->SetPassForward(true);
  messenger->AddFilter(Only(nodes_["A"], false));
  messenger->AddAction(action);
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcessOnPassback(nodes_["A2"], nodes_["A2"]);
  EXPECT_EQ(Visited(), "A2 A2a reply:A2 reply:A2a reply:A reply:A1 reply:R reply:B reply:B1");
}

TEST_F(Messages, UndoRecordIsPostedToTheUndoManager) {
  // Leaves an undo action behind, as a command that changed the node would.
  class TChangingAction : public TXNBasicAction {
   public:
    void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override {
      sender->AddUndoAction(MakeUndoAction(*log, "A1"));
      TXNBasicAction::PerformAction(node, sender);
    }
    TLog* log = nullptr;
  };
  const TRef<TChangingAction> action = MakeAction<TChangingAction>(Only(nodes_["A1"]));
  action->log = &log_;
  nodes_["A2a"]->SendXNMessage(action, smvAll);

  ASSERT_EQ(root_->records.size(), 1u);
  const TRef<TXNUndoRecord>& record = root_->records[0];
  EXPECT_EQ(record->ActionCount(), 1);
  EXPECT_EQ(record->GetPerformText(), "Move A1");
  EXPECT_EQ(record->RefCount(), 1) << "only the manager keeps the record";
  record->Undo();
  EXPECT_EQ(Visited(), "init undo A1 unperform A1");
}

TEST_F(Messages, MessageWithoutUndoActionsPostsNothingButStillNotifies) {
  const TRef<TXNMessenger> messenger = AllMessenger();
  int notified = 0;
  messenger->SetOnPostUndoRecord([&](const iXMLNode& record) {
    ++notified;
    EXPECT_EQ(record.Get(), messenger->UndoRecord().Get());
  });
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcessOnPassback(nodes_["B"], nodes_["B"]);
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(root_->records.empty());
}

TEST_F(Messages, PostUndoRecordActionHandsItsRecordOverOnce) {
  const TRef<TXNUndoRecord> record = MakeNode<TXNUndoRecord>();
  const TRef<TXNPostUndoRecordAction> post = MakeNode<TXNPostUndoRecordAction>();
  post->SetUndoRecord(record);
  EXPECT_TRUE(post->RemoveAfterPerform());
  EXPECT_FALSE(post->DoYouWantMe(nodes_["A"]));
  EXPECT_TRUE(post->DoYouWantMe(root_));

  const TRef<TXNMessenger> messenger(new TXNMessenger());
  messenger->AddAction(post);
  const TRef<TUndoManagerNode> second = MakeNode<TUndoManagerNode>();
  root_->add(second);
  messenger->DoProcessOnPassback(nodes_["A1"], nodes_["A1"]);
  ASSERT_EQ(root_->records.size(), 1u);
  EXPECT_EQ(root_->records[0].Get(), record.Get());
  EXPECT_TRUE(second->records.empty());
  EXPECT_TRUE(messenger->Done());
}

class UndoRecords : public ::testing::Test {
 protected:
  TRef<TXNUndoRecord> Record(const std::vector<std::string>& names) {
    TRef<TXNUndoRecord> record = MakeNode<TXNUndoRecord>();
    for (const std::string& name : names)
      record->AddAction(MakeUndoAction(log_, name));
    return record;
  }

  static std::string ErrorOf(const std::function<void()>& f) {
    try {
      f();
    } catch (const TXMLNodeUndoManagerError& e) {
      return e.what();
    }
    return "(no error)";
  }

  TLog log_;
};

TEST_F(UndoRecords, RefuseNodesThatAreNotActions) {
  const TRef<TXNUndoRecord> record = Record({"x"});
  const TRef<TXMLNode> parent = MakeNode<TXMLNode>();
  const iXMLNode plain = MakeNode<TXMLNode>();
  parent->add(plain);
  const std::string refused =
      "Attempt to add a action to undo record which doesn't have correct Action interface.";
  EXPECT_EQ(ErrorOf([&] { record->add(plain); }), refused);
  EXPECT_EQ(ErrorOf([&] { plain->SetParentNode(record); }), refused);
  EXPECT_EQ(record->ActionCount(), 1);
  EXPECT_EQ(plain->GetParentNode().Get(), parent.Get());
}

TEST_F(UndoRecords, RefuseIndexesOutOfRange) {
  const TRef<TXNUndoRecord> record = Record({"a", "b"});
  const std::string outOfRange = "Trying to get undo record Action which is out of range.";
  EXPECT_EQ(ErrorOf([&] { record->GetAction(-1); }), outOfRange);
  EXPECT_EQ(ErrorOf([&] { record->GetAction(2); }), outOfRange);
  EXPECT_EQ(ErrorOf([&] { record->GetAction(1); }), "(no error)");
}

TEST_F(UndoRecords, UndoTakesActionsBackLastFirstAndRedoReplaysThemInOrder) {
  const TRef<TXNUndoRecord> record = Record({"a", "b", "c"});
  record->Undo();
  EXPECT_EQ(log_,
            (TLog{"init undo a", "init undo b", "init undo c", "unperform c", "unperform b", "unperform a"}));
  log_.clear();
  record->Redo();
  EXPECT_EQ(log_, (TLog{"init redo a", "init redo b", "init redo c", "perform a", "perform b", "perform c"}));
}

TEST_F(UndoRecords, TextsAreTheFirstActionsMarkedWhenMoreFollow) {
  EXPECT_EQ(Record({})->GetPerformText(), "");
  EXPECT_EQ(Record({"a"})->GetPerformText(), "Move a");
  EXPECT_EQ(Record({"a"})->GetUnPerformText(), "Move a back");
  EXPECT_EQ(Record({"a", "b"})->GetPerformText(), "Move a...");
  EXPECT_EQ(Record({"a", "b", "c"})->GetUnPerformText(), "Move a back...");
}

TEST_F(UndoRecords, AreEquivalentWhenTheirActionsArePairwiseOfTheSameClass) {
  EXPECT_TRUE(Record({"a", "b"})->IsEquivelent(*Record({"c", "d"})));
  EXPECT_FALSE(Record({"a", "b"})->IsEquivelent(*Record({"a"})));
  const TRef<TXNUndoRecord> mixed = Record({"a"});
  mixed->AddAction(MakeNode<TOtherAction>());
  EXPECT_FALSE(Record({"a", "b"})->IsEquivelent(*mixed));
}

}  // namespace
}  // namespace wavora
