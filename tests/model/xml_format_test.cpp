#include <gtest/gtest.h>

#include <limits>

#include "model/node_errors.h"
#include "model/node_files.h"
#include "model/property_text.h"
#include "model/stream.h"
#include "test_nodes.h"

namespace wavora {
namespace {

using testing::TTestLeaf;
using testing::TTestNode;

class XmlFormat : public ::testing::Test {
 protected:
  void SetUp() override { testing::RegisterTestNodes(); }

  static std::string Write(const iXMLNode& node, bool format = true) {
    TStream stream;
    node->SaveToStream(stream, format, 0);
    return stream.Data();
  }

  static iXMLNode Read(const std::string& text, bool skip = false) {
    TStream stream(text);
    return skip ? ReadNodeFromStreamSkipUnknowns(stream) : ReadNodeFromStream(stream);
  }

  // The message of the error the call raises.
  template <class Call>
  static std::string ErrorOf(Call call) {
    try {
      call();
    } catch (const std::exception& e) {
      return e.what();
    }
    return "(no error)";
  }
  static std::string ParsingError(const std::string& text, bool skip = false) {
    return ErrorOf([&] { Read(text, skip); });
  }

  // A tree three levels deep with every property kind and awkward texts.
  static iXMLNode AwkwardTree() {
    const TRef<TTestNode> root = MakeNode<TTestNode>();
    root->count = 7;
    root->on = false;
    root->visible = true;
    root->shape = testing::TTestShape::tsStar;
    root->gain = 2.55f;
    root->precise = 0.1;
    root->name = "say \"hi\"";
    root->caption = "both \" and ' &lt <";
    root->big = -5;
    root->numbers.items = {int64_t{1}, int64_t{-2}, int64_t{3}};
    root->words.groups = {TArrayValue{{}, {std::string("a,b"), std::string("say \"x\"")}},
                          TArrayValue{{}, {std::string(), std::string("\xC3\xBC")}}};
    const TRef<TTestLeaf> leaf = MakeNode<TTestLeaf>();
    leaf->label = "\xC3\xBC \xE2\x9C\x93";
    root->add(leaf);
    const TRef<TTestNode> inner = MakeNode<TTestNode>();
    leaf->add(inner);
    inner->add(MakeNode<TTestLeaf>());
    return root;
  }
};

TEST_F(XmlFormat, WritesTheExactTextAndReadsItBackEqual) {
  const std::string expected =
      "<TTestNode Count=\"7\" ON=\"False\" Visible=\"True\" Shape=\"tsStar\" Gain=\"2.55\" Precise=\"0.1\" "
      "Name='say \"hi\"' Big=\"-5\">\r\n"
      "  <Caption>both \" and ' &amplt &lt</Caption>\r\n"
      "  <Numbers>\r\n"
      "    <D>1,-2,3</D>\r\n"
      "  </Numbers>\r\n"
      "  <Words>\r\n"
      "    <D>\r\n"
      "      <D>\"a,b\",\"say &dqx&dq\"</D>\r\n"
      "      <D>\"\",\"\xC3\xBC\"</D>\r\n"
      "    </D>\r\n"
      "  </Words>\r\n"
      "  <TTestLeaf Label=\"\xC3\xBC \xE2\x9C\x93\">\r\n"
      "    <TTestNode ON=\"True\" Gain=\"1.5\">\r\n"
      "      <TTestLeaf />\r\n"
      "    </TTestNode>\r\n"
      "  </TTestLeaf>\r\n"
      "</TTestNode>\r\n";
  ASSERT_EQ(Write(AwkwardTree()), expected);
  // The writer is pinned above, so writing what was read pins every property the reader set.
  EXPECT_EQ(Write(Read(expected)), expected);
}

TEST_F(XmlFormat, LeavesOutOnlyWhatReadingRestores) {
  // Only defaults: one line. A value the class starts with differently is written even when it is
  // False or 0, so a switched-off object does not come back switched on.
  EXPECT_EQ(Write(MakeNode<TTestLeaf>()), "<TTestLeaf />\r\n");
  const TRef<TTestNode> node = MakeNode<TTestNode>();
  node->on = false;
  node->gain = 0;
  node->level = 0;
  EXPECT_EQ(Write(node), "<TTestNode Level=\"0\" ON=\"False\" Gain=\"0\" />\r\n");
  EXPECT_EQ(Write(Read(Write(node))), Write(node));

  // A file without those attributes keeps the initial values, as it always did.
  const iXMLNode plain = Read("<TTestNode/>");
  EXPECT_EQ(Write(plain), "<TTestNode ON=\"True\" Gain=\"1.5\" />\r\n");
}

TEST_F(XmlFormat, NumbersThatDoNotConvertFailBothVariantsNamingPropertyAndText) {
  for (const bool skip : {false, true}) {
    EXPECT_EQ(ParsingError("<TTestNode Count=\"12a\"/>", skip),
              "\"12a\" is not a valid integer for the property TTestNode.Count");
  }
  EXPECT_THROW(Read("<TTestNode Gain=\"1e50\"/>"), EConvertError);
  for (const char* precise : {"nan", "1e999", "1.2.3"})
    EXPECT_THROW(Read(std::string("<TTestNode Precise=\"") + precise + "\"/>"), EConvertError) << precise;
  EXPECT_THROW(Read("<TTestNode ON=\"maybe\"/>"), EConvertError);
  EXPECT_EQ(static_cast<TTestNode&>(*Read("<TTestNode Gain=\"2,5\" ON=\"TRUE\"/>")).gain, 2.5f);
}

TEST_F(XmlFormat, MalformedTextsGiveTheReaderMessagesWithPositions) {
  const std::pair<const char*, const char*> cases[] = {
      {"  x <TTestLeaf/>", "Tag start not found. Illegal character (\"x\" ord=120) at position=3"},
      {"<1TTestLeaf/> ", "Illegal first character in tag. (\"1\" ord=49) at position=2"},
      {" <", "End of stream reached before end of tag: <"},
      {"<TTestLeaf Label=\"x\"", "End of stream reached before end of tag: TTestLeaf"},
      {"<TTestLeaf>", "End of stream reached before tag is closed: TTestLeaf"},
      {"<TTestNode><Numbers><D>1,x</D></Numbers></TTestNode>",
       "Array element has incorrect integer data item in an array [1] \"x\""},
      {"<TTestNode><Numbers><E>1</E></Numbers></TTestNode>",
       "Array element [] has incorrect <D> data tag at position 23"},
      {"<TTestNode><Numbers><D><D>1</D></D></Numbers></TTestNode>",
       "Data has too many dimensions for array. Array element []"},
      {"<TTestNode><Words><D>\"a\"</D></Words></TTestNode>",
       "Array does not contain enough dimensions or has unrecognised characters: [] \"\"a\"\""},
      {"<TTestNode><Words><D><D>\"a</D></D></Words></TTestNode>",
       "Array tag did not close before end of file: [0]\r\nPossibly due to a incorrect quote mark "
       "(\"a</D></D></Words></TTestNode>)\r\nUse &dq for \" and bound in double quotes if commas are in "
       "text"},
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(ParsingError(text), message);
  // An element the text opened must be closed, however the text is cut off after its start tag.
  for (const bool skip : {false, true}) {
    for (const char* cut : {"<TTestLeaf><TTestLeaf/>\r\n", "<TTestLeaf><TTestLeaf/></TTestLeaf",
                            "<TTestLeaf><!-- note -->\r\n", "<TTestNode>\r\n  <Caption>x</Caption>\r\n"}) {
      EXPECT_EQ(ParsingError(cut, skip).rfind("End of stream reached before end tag: </TTest", 0), 0u) << cut;
    }
  }
}

TEST_F(XmlFormat, PropertyByNameServiceConvertsEveryKind) {
  const TRef<TTestNode> node = MakeNode<TTestNode>();
  SetPropertyFromText(*node, "shape", "TSSQUARE", false);
  SetPropertyFromText(*node, "Precise", "1E-06", false);
  SetPropertyFromText(*node, "Big", "-9000000000", false);
  EXPECT_EQ(PropertyAsText(*node, "Shape"), "tsSquare");
  EXPECT_EQ(PropertyAsText(*node, "Precise"), "1E-06");
  EXPECT_EQ(PropertyAsText(*node, "Big"), "-9000000000");
  EXPECT_EQ(PropertyAsText(*node, "Offset"), "0");
  EXPECT_EQ(PropertyAsText(*node, "Visible"), "False");
  SetPropertyFromText(*node, "Nothing", "1", true);
  EXPECT_THROW(SetPropertyFromText(*node, "Nothing", "1", false), TXMLNodeParsingError);
  EXPECT_EQ(ErrorOf([&] { SetPropertyFromText(*node, "Numbers", "1", false); }),
            "Unusable property type: Numbers");
}

TEST_F(XmlFormat, RefusesToWriteWhatTheReaderWouldRefuse) {
  const auto refusal = [](const iXMLNode& node) { return ErrorOf([&] { Write(node); }); };
  EXPECT_EQ(refusal(MakeNode<testing::TTestXmlNamed>()),
            "Published param: XmlValue begins with \"XML\" which is not allowed.");

  // "NAN" and "INF" would not read back: saving them names the property instead.
  using Float = std::numeric_limits<float>;
  struct TCase {
    float gain;
    double precise;
    const char* property;
  };
  for (const TCase& c : {TCase{Float::quiet_NaN(), 0, "Gain"}, TCase{-Float::infinity(), 0, "Gain"},
                         TCase{1, std::numeric_limits<double>::infinity(), "Precise"}}) {
    const TRef<TTestNode> node = MakeNode<TTestNode>();
    node->gain = c.gain;
    node->precise = c.precise;
    EXPECT_EQ(refusal(node),
              std::string("Cannot save TTestNode.") + c.property + ": its value is not a finite number.");
  }
  const TRef<TTestNode> largest = MakeNode<TTestNode>();
  largest->gain = Float::max();
  EXPECT_EQ(static_cast<TTestNode&>(*Read(Write(largest))).gain, 3.402823e38f);
}

}  // namespace
}  // namespace wavora
