#include <gtest/gtest.h>

#include "model/node.h"
#include "model/node_errors.h"
#include "model/node_registry.h"
#include "test_nodes.h"

namespace wavora {
namespace {

template <class Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const TXMLNodeError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(NodeTree, AChildHasOneEntryAndOneParentAndPositionsAreClampedAndNeedAParent) {
  const iXMLNode parent = MakeNode<TXMLNode>(), second = MakeNode<TXMLNode>(), loose = MakeNode<TXMLNode>();
  const iXMLNode a = MakeNode<TXMLNode>(), b = MakeNode<TXMLNode>(), c = MakeNode<TXMLNode>();
  for (const iXMLNode& n : {a, b, c})
    parent->add(n);
  c->SetPosition(-5);
  EXPECT_EQ(parent->GetChildren(0), c);
  c->SetPosition(1000);
  EXPECT_EQ(parent->GetChildren(2), c);
  EXPECT_EQ(parent->add(a), 0);
  EXPECT_EQ(parent->add(nullptr), -1);
  EXPECT_EQ(parent->Move(a, 1), 0);
  EXPECT_EQ(parent->GetChildren(1), a);
  EXPECT_EQ(parent->GetChildCount(), 3);
  second->add(a);
  c->SetParentNode(second);
  EXPECT_EQ(parent->GetChildCount(), 1);
  EXPECT_EQ(a->GetParentNode(), second);
  EXPECT_EQ(c->GetPosition(), 1);
  c->SetParentNode(nullptr);
  EXPECT_FALSE(second->IsChild(c));
  EXPECT_EQ(c->GetParentNode(), nullptr);

  EXPECT_EQ(parent->Move(loose, 0), -1);
  loose->SetPosition(3);
  EXPECT_EQ(loose->GetPosition(), -1);
}

TEST(NodeTree, ErrorsCarryTheLibraryTexts) {
  const iXMLNode parent = MakeNode<TXMLNode>(), stranger = MakeNode<TXMLNode>();
  EXPECT_EQ(ErrorOf([&] { parent->GetChildren(0); }), "There are no children in node.");
  EXPECT_EQ(ErrorOf([&] { parent->Remove(stranger); }),
            "Can't remove child nodes when parent has no children yet");
  parent->add(MakeNode<TXMLNode>());
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

}  // namespace
}  // namespace wavora
