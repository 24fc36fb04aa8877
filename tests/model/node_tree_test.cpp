#include <gtest/gtest.h>

#include "model/node.h"
#include "model/node_errors.h"
#include "model/node_files.h"
#include "model/node_registry.h"
#include "model/stream.h"
#include "test_nodes.h"

namespace wavora {
namespace {

// Counts destructions, to check who keeps whom alive.
class TCountedNode : public TXMLNode {
 public:
  ~TCountedNode() override { ++destroyed; }
  static inline int destroyed = 0;
};

iXMLNode NewNode() {
  return MakeNode<TXMLNode>();
}

template <class Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const TXMLNodeError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(NodeTree, AChildHasOneEntryAndOneParentWhicheverWayItIsAttached) {
  const iXMLNode first = NewNode(), second = NewNode(), child = NewNode(), other = NewNode();
  EXPECT_EQ(first->add(child), 0);
  EXPECT_EQ(first->add(other), 1);
  EXPECT_EQ(first->add(child), 0);
  EXPECT_EQ(first->add(nullptr), -1);
  EXPECT_EQ(first->GetChildCount(), 2);
  second->add(child);
  EXPECT_EQ(first->GetChildCount(), 1);
  EXPECT_EQ(child->GetParentNode(), second);
  other->SetParentNode(second);
  EXPECT_EQ(first->GetChildCount(), 0);
  EXPECT_EQ(second->GetChildCount(), 2);
  EXPECT_EQ(other->GetPosition(), 1);
  other->SetParentNode(nullptr);
  EXPECT_FALSE(second->IsChild(other));
  EXPECT_EQ(other->GetParentNode(), nullptr);
}

TEST(NodeTree, PositionsAreClampedAndNeedAParent) {
  const iXMLNode parent = NewNode(), a = NewNode(), b = NewNode(), c = NewNode(), loose = NewNode();
  for (const iXMLNode& n : {a, b, c})
    parent->add(n);
  c->SetPosition(-5);
  EXPECT_EQ(parent->GetChildren(0), c);
  c->SetPosition(1000);
  EXPECT_EQ(parent->GetChildren(2), c);
  EXPECT_EQ(parent->Move(a, 1), 0);
  EXPECT_EQ(parent->GetChildren(1), a);
  EXPECT_EQ(parent->Move(loose, 0), -1);

  EXPECT_EQ(loose->GetPosition(), -1);
  loose->SetPosition(3);
  EXPECT_EQ(loose->GetPosition(), -1);
}

TEST(NodeTree, ErrorsCarryTheLibraryTexts) {
  const iXMLNode parent = NewNode(), stranger = NewNode();
  EXPECT_EQ(ErrorOf([&] { parent->GetChildren(0); }), "There are no children in node.");
  EXPECT_EQ(ErrorOf([&] { parent->Remove(stranger); }),
            "Can't remove child nodes when parent has no children yet");
  parent->add(NewNode());
  EXPECT_EQ(ErrorOf([&] { parent->GetChildren(-1); }), "Index is less than zero");
  EXPECT_EQ(ErrorOf([&] { parent->GetChildren(1); }), "Index is higher than child count");
  EXPECT_EQ(ErrorOf([&] { parent->Remove(stranger); }), "(no error)");
  EXPECT_EQ(parent->GetChildCount(), 1);

  // A node that can have no children.
  const iXMLNode basic = MakeNode<TBasicXMLNode>();
  EXPECT_EQ(basic->add(stranger), -1);
  EXPECT_EQ(ErrorOf([&] { basic->GetChildren(0); }), "This object can have no children");
  EXPECT_EQ(ErrorOf([&] { basic->Move(stranger, 0); }),
            "This object can have no children so cannot do \"Move\" ");
  EXPECT_EQ(ErrorOf([&] { basic->Remove(stranger); }),
            "This object can have no children so cannot do \"Remove\" ");
}

TEST(NodeLifetime, TheParentOwnsItsChildrenAndNotTheReverseAndClearDetachesEveryDescendant) {
  TCountedNode::destroyed = 0;
  iXMLNode parent = MakeNode<TCountedNode>();
  iXMLNode kept = MakeNode<TCountedNode>();
  parent->add(MakeNode<TCountedNode>());
  parent->add(kept);
  EXPECT_EQ(TCountedNode::destroyed, 0);
  // Releasing the parent releases the child nobody else holds; the kept one loses its parent link.
  parent = nullptr;
  EXPECT_EQ(TCountedNode::destroyed, 2);
  EXPECT_EQ(kept->GetParentNode(), nullptr);

  const iXMLNode child = NewNode(), grandchild = NewNode(), leaf = NewNode();
  kept->add(child);
  child->add(grandchild);
  grandchild->add(leaf);
  kept->Clear();
  EXPECT_EQ(kept->GetChildCount(), 0);
  for (const iXMLNode& n : {child, grandchild, leaf}) {
    EXPECT_EQ(n->GetParentNode(), nullptr);
    EXPECT_EQ(n->GetChildCount(), 0);
  }
  kept = nullptr;
  EXPECT_EQ(TCountedNode::destroyed, 3);
}

TEST(NodeRegistry, RegistersOnceAndFindsWithoutRegardToCase) {
  TNodeRegistry registry;
  const TClassInfo* leaf = &testing::TTestLeaf::StaticClassInfo();
  registry.RegisterNode(leaf);
  EXPECT_EQ(ErrorOf([&] { registry.RegisterNode(leaf); }), "Node name already registered. (TTestLeaf)");
  EXPECT_EQ(ErrorOf([&] { registry.RegisterNode(nullptr); }),
            "Node does not support iXMLNode. (Class=nil!!)");
  EXPECT_EQ(registry.NodeCount(), 1);
  EXPECT_EQ(registry.FindNodeClass("ttestleaf"), leaf);
  EXPECT_EQ(registry.FindNodeClass("TTest"), nullptr);
  EXPECT_EQ(registry.IndexOfClass(leaf), 0);
  EXPECT_EQ(ErrorOf([&] { registry.GetEntry(1); }), "Node index is out of range.");
  EXPECT_EQ(ErrorOf([&] { registry.SetEntry(-1, {leaf}); }), "Node index is out of range.");

  const iXMLNode created = registry.CreateNodeByName("TTESTLEAF", " Label=\"a 'b'\"", false);
  ASSERT_TRUE(created);
  EXPECT_EQ(static_cast<testing::TTestLeaf&>(*created).label, "a 'b'");
  EXPECT_FALSE(registry.CreateNodeByName("TNothing", "", false));
}

TEST(NodeFiles, ReadingKeepsTheFirstTopLevelElementDetached) {
  testing::RegisterTestNodes();
  TStream stream("<TTestLeaf Label=\"one\" />\r\n<TTestLeaf Label=\"two\" />\r\n");
  const iXMLNode node = ReadNodeFromStream(stream);
  ASSERT_TRUE(node);
  EXPECT_EQ(node->GetParentNode(), nullptr);
  EXPECT_EQ(static_cast<testing::TTestLeaf&>(*node).label, "one");

  TStream empty("  <!-- nothing -->  ");
  EXPECT_FALSE(ReadNodeFromStream(empty));
}

}  // namespace
}  // namespace wavora
