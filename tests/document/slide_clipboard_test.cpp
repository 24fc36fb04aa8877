#include <gtest/gtest.h>

#include "catalogue_test_objects.h"
#include "document/object_commands.h"
#include "document/slide_clipboard.h"
#include "document/slide_commands.h"
#include "document/slideshow_file.h"
#include "model/reader_limits.h"
#include "sim/exciter.h"
#include "sim/resource_strings.h"

namespace wavora {
namespace {

const std::string kCorrupted(rs::ClipboardCorrupted);
const std::string kNothing(rs::NoExperimentOnClipboard);
const std::string kWrongType(rs::WrongClipboardObject);

class SlideClipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterCatalogueTestClasses();
    slideshow_ = NewSlideshow(80, 60);
  }
  TRef<TSlideshow> slideshow_;
};

TEST_F(SlideClipboard, PastedCopyIsTheSameSlideWithNewIdentifiersAddedLast) {
  const TRef<TWater> original = slideshow_->GetActiveWater();
  original->SetName("Refraction at a block");
  original->SetDescription("Watch the fronts bend.");
  original->SetRIMapClass(test::TTestLens::StaticClassInfo());
  AddToolFromList(*original, test::ToolIndexOf(test::TTestMeter::StaticClassInfo()));
  const std::string text = SlideClipboardText(*original);
  AddNewSlide(*slideshow_);
  const int32_t active = slideshow_->ActiveID;

  // The zero byte some programs end clipboard text with is no part of the slide.
  const TPastedSlide pasted = PasteSlide(*slideshow_, text + '\0');
  ASSERT_TRUE(pasted.errors.empty()) << pasted.errors.front();
  ASSERT_EQ(slideshow_->SlideCount(), 3);
  EXPECT_EQ(slideshow_->GetWater(2), pasted.slide);
  EXPECT_EQ(slideshow_->ActiveID, active);
  EXPECT_EQ(pasted.slide->W(), 80);
  EXPECT_EQ(pasted.slide->GetName(), "Refraction at a block");
  EXPECT_EQ(pasted.slide->GetDescription(), "Watch the fronts bend.");
  EXPECT_EQ(pasted.slide->GetRIMap()->ClassInfo().ClassName(), "TTestLens");
  EXPECT_NE(pasted.slide->GetUniqueID(), original->GetUniqueID());
  EXPECT_NE(pasted.slide->RIMapUniqueID(), original->RIMapUniqueID());
  EXPECT_FALSE(SelectObject(*pasted.slide, original->GetExciter()->GetUniqueID()));
  EXPECT_EQ(pasted.slide->GetChildCount(), original->GetChildCount());
}

TEST_F(SlideClipboard, UnusableTextGivesItsMessagesInOrderAndChangesNothing) {
  std::string nested;
  for (int i = 0; i < 2 * kMaxNesting; ++i)
    nested += "<TWater>";
  const std::string huge = "<TWater Name=\"" + std::string(kMaxFileSize, 'x') + "\" />";
  std::string crowded = "<TWater>";
  for (int i = 0; i <= kMaxChildrenPerElement; ++i)
    crowded += "<TTestRuler />";
  crowded += "</TWater>";
  const std::vector<std::string> corrupted{kCorrupted, kNothing}, nothing{kNothing}, wrongType{kWrongType};
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", nothing},
      {"just some words", corrupted},
      {"<TWater Name=\"unfinished", corrupted},
      {"<TWater><TNoSuchObject /></TWater>", corrupted},
      {"<TWater UniqueID=\"many\" />", nothing},
      {"<TSlideshow><TWater /></TSlideshow>", wrongType},
      {"<TNoneRIMap />", wrongType},
      {nested, corrupted},
      {huge, corrupted},
      {crowded, corrupted},
  };
  for (const auto& [text, errors] : cases) {
    const TPastedSlide pasted = PasteSlide(*slideshow_, text);
    EXPECT_EQ(pasted.errors, errors) << text.substr(0, 60);
    EXPECT_FALSE(pasted.slide);
    EXPECT_EQ(slideshow_->SlideCount(), 1);
  }
}

TEST_F(SlideClipboard, AFullSlideshowTakesNoMorePastedOrNewSlidesAndAFileHoldingMoreIsRefused) {
  const std::string text = SlideClipboardText(*slideshow_->GetActiveWater());
  while (slideshow_->SlideCount() < kMaxSlidesPerFile)
    ASSERT_TRUE(PasteSlide(*slideshow_, text).slide);
  const TPastedSlide refused = PasteSlide(*slideshow_, text);
  EXPECT_EQ(refused.errors, std::vector<std::string>{std::string(rs::SlideshowFull)});
  EXPECT_THROW(AddNewSlide(*slideshow_), std::runtime_error);
  EXPECT_EQ(slideshow_->SlideCount(), kMaxSlidesPerFile);

  std::string many = "<TSlideshow>";
  for (int i = 0; i <= kMaxSlidesPerFile; ++i)
    many += "<TWater/>";
  EXPECT_EQ(OpenSlideshowBytes(many + "</TSlideshow>", "x.wvr", 80, 60).message.text,
            "The file \"x.wvr\" holds 201 slides; at most 200 can be opened.");
}

}  // namespace
}  // namespace wavora
