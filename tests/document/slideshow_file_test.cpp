#include <gtest/gtest.h>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "model/node_files.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"

namespace wavora {
namespace {

class SlideshowFile : public ::testing::Test {
 protected:
  void SetUp() override { RegisterClasses(); }
  static std::string PathOf(const std::string& name) { return ::testing::TempDir() + "wavora_" + name; }
  static TOpenedSlideshow Open(const std::string& text, int side = 401) {
    return OpenSlideshowBytes(text, "x.wvr", side, side);
  }
};

TEST_F(SlideshowFile, SavedSlidesReopenInOrderWithTextsAndTheActiveSlide) {
  const TRef<TSlideshow> show = MakeNode<TSlideshow>();
  show->SetTankSize(60, 40);
  const char* names[] = {"Refraction", "Say \"hello\"", "Both ' and \""};
  for (const char* name : names) {
    const TRef<TWater> water = AddNewSlide(*show);
    water->SetName(name);
    water->SetDescription(std::string("Line one\r\nline two of ") + name);
  }
  show->GetWater(1)->SetExposure(1.25f);
  show->ActiveID = show->SlideUniqueID(1);
  const std::string path = PathOf("three.wvr");
  SaveToFile(*show, path);

  const TOpenedSlideshow opened = OpenSlideshowFile(path, 401, 250);
  EXPECT_EQ(opened.message.kind, TMessageBox::mbNone) << opened.message.text;
  const TRef<TSlideshow> copy = RefCast<TSlideshow>(opened.document);
  ASSERT_TRUE(copy);
  ASSERT_EQ(copy->SlideCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(copy->SlideName(i), names[i]);
    EXPECT_EQ(copy->SlideDescription(i), show->SlideDescription(i));
    EXPECT_NE(copy->SlideUniqueID(i), show->SlideUniqueID(i)) << "identifiers are renewed";
    EXPECT_EQ(copy->GetWater(i)->W(), 401);
    EXPECT_EQ(copy->GetWater(i)->H(), 250);
  }
  EXPECT_EQ(copy->GetActiveWater(), copy->GetWater(1));
  EXPECT_EQ(copy->GetWater(1)->GetExposure(), 1.25f);
}

TEST_F(SlideshowFile, UnusableFilesAreRefusedWithMessagesNamingTheFileAndTheReason) {
  std::string many = "<TSlideshow>";
  for (int i = 0; i <= kMaxSlidesPerFile; ++i)
    many += "<TWater/>";
  const std::pair<std::string, std::string> cases[] = {
      {"<TWater />\r\n", "File did not contain a slideshow"},
      {"<TSlideshow Version=\"0.5\">\r\n  <TWater UniqueID=\"3\">\r\n    <TNoneRIMap Uni",
       "Even after trying to ignore errors, this file could not be loaded.\n\nThe following problem was "
       "reported:\n\nEnd of stream reached before end of tag: TNoneRIMap"},
      {"<TSlideshow><TWater UniqueID=\"12a\"/></TSlideshow>",
       "The file \"x.wvr\" could not be opened: \"12a\" is not a valid integer for the property "
       "TWater.UniqueID"},
  };
  for (const auto& [text, message] : cases) {
    const TOpenedSlideshow opened = Open(text);
    EXPECT_FALSE(opened.document);
    EXPECT_EQ(opened.message.kind, TMessageBox::mbError);
    EXPECT_EQ(opened.message.text, message);
  }
  EXPECT_NE(Open(many + "</TSlideshow>").message.text.find("at most 200 can be opened"), std::string::npos);
  EXPECT_EQ(OpenSlideshowFile(PathOf("missing.wvr"), 401, 401).message.text,
            "Cannot open file \"" + PathOf("missing.wvr") + "\": No such file or directory");
}

TEST_F(SlideshowFile, EveryFileCutOffBeforeTheRootsEndTagIsRefused) {
  // Two slides as the window makes them (empty tank and source), one named with both quote
  // characters so that its name is a property element nested in the tank.
  const TRef<TSlideshow> show = MakeNode<TSlideshow>();
  show->SetTankSize(60, 40);
  AddNewSlide(*show)->SetName("Both ' and \"");
  AddNewSlide(*show)->SetDescription("Second");
  const std::string whole = PathOf("whole.wvr");
  SaveToFile(*show, whole);
  const std::string text = ReadFileText(whole);
  ASSERT_TRUE(text.ends_with("</TSlideshow>\r\n"));
  ASSERT_NE(text.find("<Name>"), std::string::npos);

  const size_t rootEnd = text.size() - 2;
  for (size_t length = 1; length < rootEnd; ++length) {
    const TOpenedSlideshow opened = Open(text.substr(0, length), 60);
    EXPECT_FALSE(opened.document) << length;
    EXPECT_EQ(opened.message.text.rfind(rs::CouldNotLoad, 0), 0u) << length << ": " << opened.message.text;
  }
  for (size_t length = rootEnd; length <= text.size(); ++length)
    EXPECT_TRUE(Open(text.substr(0, length), 60).document) << length;
}

TEST_F(SlideshowFile, OlderWindows1252FilesKeepTheirLettersThroughASave) {
  const std::string older = PathOf("older.wvr");
  WriteFileText(older,
                "<TSlideshow Version=\"0.5\">\r\n  <TWater Name=\"Brechung \x96 Wellenl\xE4nge\" />\r\n"
                "</TSlideshow>\r\n");
  const std::string name = "Brechung \xE2\x80\x93 Wellenl\xC3\xA4nge";
  const TRef<TSlideshow> show = RefCast<TSlideshow>(OpenSlideshowFile(older, 60, 40).document);
  ASSERT_TRUE(show);
  EXPECT_EQ(show->SlideName(0), name);
  SaveToFile(*show, older);
  EXPECT_NE(ReadFileText(older).find("Name=\"Brechung \x96 Wellenl\xE4nge\""), std::string::npos)
      << "older programs still read the file";
  EXPECT_EQ(RefCast<TSlideshow>(OpenSlideshowFile(older, 60, 40).document)->SlideName(0), name);
}

TEST_F(SlideshowFile, NewerVersionsAndSalvagedFilesSayWhatHappened) {
  struct TCase {
    const char* version;
    const char* extra;
    TMessageBox::TKind kind;
    std::string message;
  };
  const std::string salvaged =
      "File is from a newer version and some objects seem to have been lost, salvaged slideshow has been "
      "loaded.\n\nThe following problem was reported:\n\nUnrecognised Tag: TFoo at ";
  for (const TCase& c : {TCase{"1", "", TMessageBox::mbNone, ""},
                         TCase{"1.01", "", TMessageBox::mbInformation,
                               "File is from a newer version but seems to have loaded without a problem"},
                         TCase{"0.5", "<TFoo a='1'>\r\n</TFoo>", TMessageBox::mbError, salvaged},
                         TCase{"2", "<TFoo a='1'>\r\n</TFoo>", TMessageBox::mbWarning, salvaged}}) {
    const TOpenedSlideshow opened =
        Open(std::string("<TSlideshow Version=\"") + c.version + "\">\r\n  <TWater Name=\"kept\">" + c.extra +
             "</TWater>\r\n</TSlideshow>\r\n");
    ASSERT_TRUE(opened.document) << c.version;
    EXPECT_EQ(RefCast<TSlideshow>(opened.document)->SlideName(0), "kept");
    EXPECT_EQ(opened.message.kind, c.kind) << c.version;
    EXPECT_EQ(*c.extra ? opened.message.text.substr(0, c.message.size()) : opened.message.text, c.message);
  }
}

TEST(FileTitle, ShowsTheFileNameWithoutFolderAndExtension) {
  EXPECT_EQ(FileTitle(""), "Wavora");
  EXPECT_EQ(FileTitle("C:\\work\\demo.wvr"), "Wavora - demo");
  EXPECT_EQ(FileTitle("/home/ann/lessons/waves.2.wvr"), "Wavora - waves.2");
}

}  // namespace
}  // namespace wavora
