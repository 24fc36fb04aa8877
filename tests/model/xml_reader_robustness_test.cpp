#include <gtest/gtest.h>

#include <random>

#include "model/node_errors.h"
#include "model/node_files.h"
#include "model/reader_limits.h"
#include "model/stream.h"
#include "test_nodes.h"

namespace wavora {
namespace {

iXMLNode ReadWith(const std::string& text, bool skip) {
  TStream stream(text);
  return skip ? ReadNodeFromStreamSkipUnknowns(stream) : ReadNodeFromStream(stream);
}

std::string SeedText() {
  return "<?xml version=\"1.0\"?>\r\n<TTestNode Count=\"7\" ON=\"False\" Shape=\"tsStar\" Gain=\"2.55\" "
         "Name='say \"hi\"'>\r\n  <Caption>both \" and ' &amplt &lt</Caption>\r\n  <!-- note -->\r\n"
         "  <Numbers>\r\n    <D>1,-2,3</D>\r\n  </Numbers>\r\n  <Words>\r\n    <D>\r\n"
         "      <D>\"a,b\",\"say &dqx&dq\"</D>\r\n    </D>\r\n  </Words>\r\n"
         "  <TTestLeaf Label=\"x\">\r\n    <TFoo a='>'>\r\n</TFoo>\r\n    <TTestNode />\r\n"
         "  </TTestLeaf>\r\n</TTestNode>\r\n";
}

std::string Mutate(std::string text, std::mt19937& random) {
  static const std::string alphabet = "<>/!?-\"'=&D, \r\n\t\0xTtestLeafNode0123456789";
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < edits && !text.empty(); ++i) {
    const size_t at = random() % text.size();
    const unsigned kind = random() % 5;
    if (kind == 0) text[at] = static_cast<char>(random() % 256);
    if (kind == 1) text.insert(at, 1, alphabet[random() % alphabet.size()]);
    if (kind == 2) text.erase(at, 1 + random() % 8);
    if (kind == 3) text.resize(at);
    if (kind == 4)
      text.insert(random() % text.size(),
                  text.substr(at, std::min<size_t>(1 + random() % 40, text.size() - at)));
  }
  return text;
}

TEST(XmlReaderRobustness, SurvivesRandomAndMutatedTexts) {
  testing::RegisterTestNodes();
  std::mt19937 random(20261206);
  const std::string seed = SeedText();
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    if (round % 5 == 0) {
      text.resize(random() % 200);
      for (char& c : text)
        c = static_cast<char>(random() % 256);
    } else {
      text = Mutate(seed, random);
    }
    // The only acceptable failures are the reader's own errors.
    try {
      ReadWith(text, round % 2 == 0);
    } catch (const TXMLNodeError&) {
    } catch (const EConvertError&) {
    }
  }
}

TEST(XmlReaderRobustness, RefusesDeepNestingAndHugeNamesWithReaderErrors) {
  testing::RegisterTestNodes();
  std::string deep;
  for (int i = 0; i < 5000; ++i)
    deep += "<TTestLeaf>";
  for (const bool skip : {false, true})
    EXPECT_THROW(ReadWith(deep, skip), TXMLNodeParsingError);
  EXPECT_THROW(ReadWith("<T" + std::string(100000, 'a') + "/>", false), TXMLNodeParsingError);

  std::string many = "<TTestLeaf>";
  for (size_t i = 0; i <= kMaxNodesPerRead; ++i)
    many += "<TTestLeaf/>";
  EXPECT_THROW(ReadWith(many + "</TTestLeaf>", false), TXMLNodeParsingError);
}

TEST(NodeFiles, SavingReplacesTheFileOnlyWhenComplete) {
  testing::RegisterTestNodes();
  const std::string path = ::testing::TempDir() + "wavora_node_file.xml";
  const TRef<testing::TTestLeaf> leaf = MakeNode<testing::TTestLeaf>();
  leaf->label = "first";
  SaveToFile(*leaf, path);
  leaf->label = "second";
  SaveToFile(*leaf, path);
  EXPECT_EQ(ReadFileText(path), "<TTestLeaf Label=\"second\" />\r\n");
  EXPECT_EQ(static_cast<testing::TTestLeaf&>(*ReadNodeFromFile(path)).label, "second");

  // A document that fails while being written leaves the previous file as it was.
  const iXMLNode refused = MakeNode<testing::TTestXmlNamed>();
  leaf->add(refused);
  EXPECT_THROW(SaveToFile(*leaf, path), TXMLNodeError);
  EXPECT_EQ(ReadFileText(path), "<TTestLeaf Label=\"second\" />\r\n");
  leaf->Remove(refused);

  // Files are Windows-1252 where every character has a code (older programs read them), else UTF-8;
  // reading takes UTF-8 as it stands and any other bytes as Windows-1252.
  const std::string utf8 = "Brechung \xE2\x80\x93 Wellenl\xC3\xA4nge",
                    windows = "Brechung \x96 Wellenl\xE4nge";
  for (const auto& [label, bytes] :
       {std::pair{utf8, windows}, {utf8 + " \xE2\x9C\x93", utf8 + " \xE2\x9C\x93"}}) {
    leaf->label = label;
    SaveToFile(*leaf, path);
    EXPECT_EQ(ReadFileText(path), "<TTestLeaf Label=\"" + bytes + "\" />\r\n");
    EXPECT_EQ(static_cast<testing::TTestLeaf&>(*ReadNodeFromFile(path)).label, label);
  }
  for (const auto& [bytes, label] :
       {std::pair<std::string, std::string>{"\xF0\x9F\x8C\x8A", "\xF0\x9F\x8C\x8A"},
        {"\x80 \xF0", "\xE2\x82\xAC \xC3\xB0"},
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}}) {
    WriteFileText(path, "<TTestLeaf Label=\"" + bytes + "\"/>");
    EXPECT_EQ(static_cast<testing::TTestLeaf&>(*ReadNodeFromFile(path)).label, label);
  }

  EXPECT_THROW(SaveToFile(*leaf, "/nonexistent-dir/x.wvr"), TFileError);
  try {
    ReadNodeFromFile("/nonexistent-dir/x.wvr");
    ADD_FAILURE();
  } catch (const TFileError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"/nonexistent-dir/x.wvr\": No such file or directory");
  }
}

}  // namespace
}  // namespace wavora
