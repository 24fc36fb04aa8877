#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
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

using THook = std::function<void(const iXMLNode&, const TRef<iXNMessenger>&)>;

// Runs a hook on every node it is performed on.
class THookAction : public TXNBasicAction {
 public:
  void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override {
    hook(node, sender);
    TXNBasicAction::PerformAction(node, sender);
  }
  THook hook;
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

// A messenger set up as SendXNMessage with smvAll sets it up.
TRef<TXNMessenger> AllMessenger() {
  const TRef<TXNMessenger> messenger(new TXNMessenger());
  messenger->SetPassForward(true);
  messenger->SetProcessOnPassBack(true);
  return messenger;
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
    nodes_["R"] = root_;
    for (const auto& [name, parent] :
         {std::pair{"A", "R"}, {"A1", "A"}, {"A2", "A"}, {"A2a", "A2"}, {"B", "R"}, {"B1", "B"}}) {
      nodes_[name] = MakeNode<TXMLNode>();
      nodes_[parent]->add(nodes_[name]);
    }
  }

  // An action that writes the name of every node it is performed on.
  TRef<THookAction> Recorder(const TRef<iXNFilter>& filter, bool removeAfterPerform = false,
                             const std::string& prefix = "") {
    const auto record = [this, prefix](const iXMLNode& node, auto&) {
      for (const auto& [name, n] : nodes_)
        if (n.Get() == node.Get()) visited_ += (visited_.empty() ? "" : " ") + prefix + name;
    };
    return Hook(filter, record, removeAfterPerform);
  }
  static TRef<THookAction> Hook(const TRef<iXNFilter>& filter, THook hook, bool removeAfterPerform = false) {
    TRef<THookAction> action = MakeAction<THookAction>(filter, removeAfterPerform);
    action->hook = std::move(hook);
    return action;
  }

  std::string Visited() { return std::exchange(visited_, ""); }

  TRef<TUndoManagerNode> root_ = MakeNode<TUndoManagerNode>();
  std::map<std::string, iXMLNode> nodes_;
  std::string visited_;
  TLog log_;
};

TEST_F(Messages, EachVisitModeReachesItsNodesInOrder) {
  const struct {
    const char* start;
    TSendMessageVisits visiting;
    const char* reached;
  } cases[] = {
      // The node, its subtree, then each ancestor with its other branches.
      {"A2", smvAll, "A2 A2a A A1 R B B1"},
      {"R", smvAll, "R A A1 A2 A2a B B1"},
      // The node alone, then each ancestor with its other branches.
      {"A2", smvAllExceptChildren, "A2 A A1 R B B1"},
      {"R", smvAllExceptChildren, "R"},
      // The node and its ancestors.
      {"A2a", smvParentsOnly, "A2a A2 A R"},
      {"R", smvParentsOnly, "R"},
      // The root and every branch except the one holding the node.
      {"A2", smvOtherBranchesFromRoot, "R B B1"},
      {"R", smvOtherBranchesFromRoot, "R A A1 A2 A2a B B1"},
      // The node and its subtree.
      {"A", smvChildrenOnly, "A A1 A2 A2a"},
      {"B1", smvChildrenOnly, "B1"},
      {"R", smvChildrenOnly, "R A A1 A2 A2a B B1"},
  };
  for (const auto& c : cases) {
    nodes_[c.start]->SendXNMessage(Recorder(EveryNode()), c.visiting);
    EXPECT_EQ(Visited(), c.reached) << c.start << " mode " << c.visiting;
  }
}

TEST_F(Messages, OneShotActionLeavesAfterItsFirstNodeAndTheWalkGoesOnWhenTheVisitedChildIsTakenOut) {
  const iXMLNode a1 = nodes_["A1"];
  const TRef<TXNMessenger> messenger = AllMessenger();
  messenger->AddAction(Recorder(EveryNode(), true, "once:"));
  // Detaches the node it is performed on, as a delete command would, and reports on it.
  messenger->AddAction(Hook(Only(a1), [](const iXMLNode& node, const TRef<iXNMessenger>& sender) {
    node->SetParentNode(nullptr);
    sender->SetSuccessful(true);
    sender->SetStatusText("found");
  }));
  messenger->AddAction(Recorder(EveryNode()));
  EXPECT_FALSE(messenger->GetSuccessful());
  EXPECT_TRUE(messenger->DoProcessOnPassback(nodes_["A"], nodes_["A"]));
  EXPECT_EQ(Visited(), "once:A A A1 A2 A2a R B B1");
  EXPECT_EQ(messenger->GetStatusText(), "found");
  EXPECT_FALSE(a1->GetParentNode());
  EXPECT_EQ(nodes_["A"]->GetChildCount(), 1);
  EXPECT_EQ(messenger->ActionCount(), 2);
  EXPECT_FALSE(messenger->Done());

  const TRef<TXNMessenger> alone = AllMessenger();
  alone->AddAction(Recorder(EveryNode(), true));
  alone->DoProcessOnPassback(nodes_["B"], nodes_["B"]);
  EXPECT_TRUE(alone->Done());
}

TEST_F(Messages, ActionsWantNodesAllowedAndNotForbiddenAndMessengerFiltersAvoidDeadEnds) {
  const iXMLNode a1 = nodes_["A1"], b = nodes_["B"];
  EXPECT_FALSE(MakeNode<TXNBasicAction>()->DoYouWantMe(a1))
      << "without allowing filters an action wants nothing";
  const TRef<TXNBasicAction> two = MakeAction<TXNBasicAction>(Only(a1));
  two->AddFilter(Only(b));
  EXPECT_TRUE(two->DoYouWantMe(a1) && two->DoYouWantMe(b));
  EXPECT_FALSE(two->DoYouWantMe(nodes_["A"]));
  const TRef<TXNBasicAction> allButB = MakeAction<TXNBasicAction>(EveryNode());
  allButB->AddFilter(Only(b, false));
  EXPECT_TRUE(allButB->DoYouWantMe(a1));
  EXPECT_FALSE(allButB->DoYouWantMe(b));
  const TRef<TXNBasicAction> managers =
      MakeAction<TXNBasicAction>(TRef<iXNFilter>(new TXNInterfaceTypeFilter<iXNUndoManager>(true)));
  EXPECT_TRUE(managers->DoYouWantMe(root_));
  EXPECT_FALSE(managers->DoYouWantMe(a1));

  const TRef<TXNMessenger> messenger = AllMessenger();
  messenger->AddFilter(Only(nodes_["A2"], false));
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcess(nodes_["R"]);
  EXPECT_EQ(Visited(), "R A A1 B B1");
}

TEST_F(Messages, ReturnMessengerTravelsTheWholeTreeFromTheStartAfterTheMessage) {
  // Performed on its target, it asks for a reply that reaches every node.
  const TRef<iXNAction> replyAction = Recorder(EveryNode(), false, "reply:");
  const TRef<THookAction> action = Hook(Only(nodes_["A2a"]), [&](auto&, const TRef<iXNMessenger>& sender) {
    const TRef<TXNMessenger> reply(new TXNMessenger());
    reply->AddAction(replyAction);
    sender->AddReturnMessage(reply);
  });
  // Set up as smvChildrenOnly from A2: the message itself covers A2 and A2a only.
  const TRef<TXNMessenger> messenger(new TXNMessenger());
  messenger->SetPassForward(true);
  messenger->AddFilter(Only(nodes_["A"], false));
  messenger->AddAction(action);
  messenger->AddAction(Recorder(EveryNode()));
  messenger->DoProcessOnPassback(nodes_["A2"], nodes_["A2"]);
  EXPECT_EQ(Visited(), "A2 A2a reply:A2 reply:A2a reply:A reply:A1 reply:R reply:B reply:B1");
}

TEST_F(Messages, UndoRecordIsPostedToTheUndoManagerAndAMessageWithoutOneStillNotifies) {
  // Leaves an undo action behind, as a command that changed the node would.
  nodes_["A2a"]->SendXNMessage(Hook(Only(nodes_["A1"]),
                                    [&](auto&, const TRef<iXNMessenger>& sender) {
                                      sender->AddUndoAction(MakeUndoAction(log_, "A1"));
                                    }),
                               smvAll);
  ASSERT_EQ(root_->records.size(), 1u);
  const TRef<TXNUndoRecord>& record = root_->records[0];
  EXPECT_EQ(record->ActionCount(), 1);
  EXPECT_EQ(record->GetPerformText(), "Move A1");
  EXPECT_EQ(record->RefCount(), 1) << "only the manager keeps the record";
  record->Undo();
  EXPECT_EQ(log_, (TLog{"init undo A1", "unperform A1"}));

  root_->records.clear();
  const TRef<TXNMessenger> messenger = AllMessenger();
  int notified = 0;
  messenger->SetOnPostUndoRecord([&](const iXMLNode& posted) {
    ++notified;
    EXPECT_EQ(posted.Get(), messenger->UndoRecord().Get());
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
  TLog log_;
};

TEST_F(UndoRecords, RefuseNodesThatAreNotActionsAndIndexesOutOfRange) {
  const auto errorOf = [](const std::function<void()>& f) -> std::string {
    try {
      f();
    } catch (const TXMLNodeUndoManagerError& e) {
      return e.what();
    }
    return "(no error)";
  };
  const TRef<TXNUndoRecord> record = Record({"a", "b"});
  const TRef<TXMLNode> parent = MakeNode<TXMLNode>();
  const iXMLNode plain = MakeNode<TXMLNode>();
  parent->add(plain);
  const std::string refused =
      "Attempt to add a action to undo record which doesn't have correct Action interface.";
  EXPECT_EQ(errorOf([&] { record->add(plain); }), refused);
  EXPECT_EQ(errorOf([&] { plain->SetParentNode(record); }), refused);
  EXPECT_EQ(record->ActionCount(), 2);
  EXPECT_EQ(plain->GetParentNode().Get(), parent.Get());
  for (const int index : {-1, 2})
    EXPECT_EQ(errorOf([&] { record->GetAction(index); }),
              "Trying to get undo record Action which is out of range.");
}

TEST_F(UndoRecords, UndoIsLastFirstRedoInOrderTextsAreTheFirstActionsAndEquivalenceIsByActionClass) {
  const TRef<TXNUndoRecord> record = Record({"a", "b", "c"});
  record->Undo();
  EXPECT_EQ(log_,
            (TLog{"init undo a", "init undo b", "init undo c", "unperform c", "unperform b", "unperform a"}));
  log_.clear();
  record->Redo();
  EXPECT_EQ(log_, (TLog{"init redo a", "init redo b", "init redo c", "perform a", "perform b", "perform c"}));

  EXPECT_EQ(Record({})->GetPerformText(), "");
  EXPECT_EQ(Record({"a"})->GetUnPerformText(), "Move a back");
  EXPECT_EQ(record->GetPerformText(), "Move a...");
  EXPECT_EQ(record->GetUnPerformText(), "Move a back...");
  EXPECT_TRUE(Record({"a", "b"})->IsEquivelent(*Record({"c", "d"})));
  EXPECT_FALSE(Record({"a", "b"})->IsEquivelent(*Record({"a"})));
  const TRef<TXNUndoRecord> mixed = Record({"a"});
  mixed->AddAction(MakeNode<TXNBasicAction>());
  EXPECT_FALSE(Record({"a", "b"})->IsEquivelent(*mixed));
}

}  // namespace
}  // namespace wavora
