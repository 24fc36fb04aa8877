#include <gtest/gtest.h>

#include <fstream>

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

  std::string PathOf(const std::string& name) const { return ::testing::TempDir() + "wavora_" + name; }

  std::string WriteText(const std::string& name, const std::string& text) const {
    const std::string path = PathOf(name);
    WriteFileText(path, text);
    return path;
  }

  static TRef<TSlideshow> NewSlideshow(int slides) {
    const TRef<TSlideshow> show = MakeNode<TSlideshow>();
    show->SetTankSize(60, 40);
    for (int i = 0; i < slides; ++i) {
      const TRef<TWater> water = MakeNode<TWater>();
      water->add(MakeNode<TNoneRIMap>());
      show->add(water);
    }
    return show;
  }
};

TEST_F(SlideshowFile, SavedSlidesReopenInOrderWithTextsAndTheActiveSlide) {
  const TRef<TSlideshow> show = NewSlideshow(3);
  const char* names[] = {"Refraction", "Say \"hello\"", "Both ' and \""};
  for (int i = 0; i < 3; ++i) {
    show->GetWater(i)->SetName(names[i]);
    show->GetWater(i)->SetDescription(std::string("Line one\r\nline two of ") + names[i]);
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
  ASSERT_TRUE(copy->GetActiveWater());
  EXPECT_EQ(copy->GetActiveWater(), copy->GetWater(1));
  EXPECT_EQ(copy->GetWater(1)->GetExposure(), 1.25f);
}

TEST_F(SlideshowFile, RefusesFilesWithoutASlideshowAndKeepsNothing) {
  const TOpenedSlideshow water = OpenSlideshowFile(WriteText("water.wvr", "<TWater />\r\n"), 401, 401);
  EXPECT_FALSE(water.document);
  EXPECT_EQ(water.message.kind, TMessageBox::mbError);
  EXPECT_EQ(water.message.text, "File did not contain a slideshow");

  const TOpenedSlideshow truncated = OpenSlideshowFile(
      WriteText("cut.wvr",
                "<TSlideshow Version=\"0.5\">\r\n  <TWater UniqueID=\"3\">\r\n    <TNoneRIMap Uni"),
      401, 401);
  EXPECT_FALSE(truncated.document);
  EXPECT_EQ(truncated.message.text,
            "Even after trying to ignore errors, this file could not be loaded.\n\nThe following problem was "
            "reported:\n\nEnd of stream reached before end of tag: TNoneRIMap");
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

  // Written plainly: a synced save for each of some 700 prefixes would take seconds.
  const std::string path = PathOf("prefix.wvr");
  const auto openPrefix = [&](size_t length) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text.substr(0, length);
    return OpenSlideshowFile(path, 60, 40);
  };
  const size_t rootEnd = text.size() - 2;
  for (size_t length = 1; length < rootEnd; ++length) {
    const TOpenedSlideshow opened = openPrefix(length);
    EXPECT_FALSE(opened.document) << length;
    EXPECT_EQ(opened.message.text.rfind(rs::CouldNotLoad, 0), 0u) << length << ": " << opened.message.text;
  }
  for (size_t length = rootEnd; length <= text.size(); ++length)
    EXPECT_TRUE(openPrefix(length).document) << length;
}

TEST_F(SlideshowFile, OlderWindows1252FilesKeepTheirLettersThroughASave) {
  const std::string older =
      WriteText("older.wvr",
                "<TSlideshow Version=\"0.5\">\r\n  <TWater Name=\"Brechung \x96 Wellenl\xE4nge\" />\r\n"
                "</TSlideshow>\r\n");
  const TOpenedSlideshow opened = OpenSlideshowFile(older, 60, 40);
  const TRef<TSlideshow> show = RefCast<TSlideshow>(opened.document);
  ASSERT_TRUE(show) << opened.message.text;
  const std::string name = "Brechung \xE2\x80\x93 Wellenl\xC3\xA4nge";
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
  };
  const std::string salvaged =
      "File is from a newer version and some objects seem to have been lost, salvaged slideshow has been "
      "loaded."
      "\n\nThe following problem was reported:\n\nUnrecognised Tag: TFoo at ";
  for (const TCase& c : {TCase{"1", "", TMessageBox::mbNone}, TCase{"1.01", "", TMessageBox::mbInformation},
                         TCase{"0.5", "<TFoo a='1'>\r\n</TFoo>", TMessageBox::mbError},
                         TCase{"2", "<TFoo a='1'>\r\n</TFoo>", TMessageBox::mbWarning}}) {
    const std::string text = std::string("<TSlideshow Version=\"") + c.version +
                             "\">\r\n  <TWater Name=\"kept\">" + c.extra + "</TWater>\r\n</TSlideshow>\r\n";
    const TOpenedSlideshow opened = OpenSlideshowFile(WriteText("version.wvr", text), 100, 100);
    ASSERT_TRUE(opened.document) << c.version;
    EXPECT_EQ(RefCast<TSlideshow>(opened.document)->SlideName(0), "kept");
    EXPECT_EQ(opened.message.kind, c.kind) << c.version;
    if (c.kind == TMessageBox::mbInformation) {
      EXPECT_EQ(opened.message.text,
                "File is from a newer version but seems to have loaded without a problem");
    }
    if (*c.extra) {
      EXPECT_EQ(opened.message.text.substr(0, salvaged.size()), salvaged);
    }
  }
}

TEST_F(SlideshowFile, FileAndValueErrorsNameTheFileAndTheReason) {
  const TOpenedSlideshow missing = OpenSlideshowFile(PathOf("missing.wvr"), 401, 401);
  EXPECT_FALSE(missing.document);
  EXPECT_EQ(missing.message.text,
            "Cannot open file \"" + PathOf("missing.wvr") + "\": No such file or directory");

  const std::string bad = WriteText("bad.wvr", "<TSlideshow><TWater UniqueID=\"12a\"/></TSlideshow>");
  const TOpenedSlideshow opened = OpenSlideshowFile(bad, 401, 401);
  EXPECT_FALSE(opened.document);
  EXPECT_EQ(opened.message.text,
            "The file \"" + bad +
                "\" could not be opened: \"12a\" is not a valid integer for the property "
                "TWater.UniqueID");

  std::string many = "<TSlideshow>";
  for (int i = 0; i <= kMaxSlidesPerFile; ++i)
    many += "<TWater/>";
  const TOpenedSlideshow tooMany = OpenSlideshowFile(WriteText("many.wvr", many + "</TSlideshow>"), 401, 401);
  EXPECT_FALSE(tooMany.document);
  EXPECT_NE(tooMany.message.text.find("at most 200 can be opened"), std::string::npos);
}

TEST(FileTitle, ShowsTheFileNameWithoutFolderAndExtension) {
  EXPECT_EQ(FileTitle(""), "Wavora");
  EXPECT_EQ(FileTitle("C:\\work\\demo.wvr"), "Wavora - demo");
  EXPECT_EQ(FileTitle("/home/ann/lessons/waves.2.wvr"), "Wavora - waves.2");
}

}  // namespace
}  // namespace wavora
