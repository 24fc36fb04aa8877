#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "document/class_registration.h"
#include "document/lesson_session.h"
#include "model/file_text.h"
#include "sim/control_panel_model.h"
#include "sim/resource_strings.h"

namespace wavora {
namespace {

int IndexOf(const std::vector<TCatalogueEntry>& catalogue, const std::string& className) {
  const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                  [&](const TCatalogueEntry& entry) { return entry.className == className; });
  return found == catalogue.end() ? -1 : static_cast<int>(found - catalogue.begin());
}

const TPanelControl* Find(const std::vector<TPanelControl>& controls, const std::string& id) {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [&](const TPanelControl& control) { return control.id == id; });
  return found == controls.end() ? nullptr : &*found;
}

// The picture a frozen tank is redrawn to (it is redrawn every third frame).
std::string FrozenPicture(TLessonSession& session) {
  for (int i = 0; i < 3; ++i)
    session.RunFrame(TFrameMode::Frozen);
  const TFastDIB& picture = session.Picture();
  const auto* bits = reinterpret_cast<const char*>(picture.Bits());
  return std::string(bits,
                     static_cast<size_t>(picture.BytesPerRow()) * static_cast<size_t>(picture.Height()));
}

class LessonSession : public ::testing::Test {
 protected:
  void SetUp() override { RegisterClasses(); }
  TLessonSession session_{121, 101};
};

// A shell without widgets opens a lesson, shows its slides, runs them, and works the panels of the
// slide on show through their self-description, as the window does with its views.
TEST_F(LessonSession, OpensShowsRunsAndWorksThePanelsOfALesson) {
  ASSERT_EQ(session_.SlideCount(), 1);
  const TMessageBox opened =
      session_.Open(ReadFileText(WAVORA_EXAMPLES_DIR "/lenses_and_mirrors.wvr"), "lenses_and_mirrors.wvr")
          .message;
  EXPECT_EQ(opened.kind, TMessageBox::mbNone) << opened.text;
  ASSERT_EQ(session_.SlideCount(), 4);
  EXPECT_EQ(session_.ShownSlide(), 0);
  EXPECT_EQ(session_.Slide(0).name, "A convex lens");
  EXPECT_EQ(session_.Slide(0).medium, "Lenses");
  EXPECT_EQ(session_.Picture().Width(), 121);

  // The lens's panel turns the convex lens concave, and the source's sets the wavelength.
  const std::vector<TPanelControl> lensControls = session_.PanelControls(TPanelSlot::Medium);
  const TPanelControl* lensType = Find(lensControls, "LensType");
  ASSERT_TRUE(lensType);
  const int32_t other = lensType->items.front().value == lensType->value ? lensType->items.back().value
                                                                         : lensType->items.front().value;
  EXPECT_EQ(session_.ChangePanel(TPanelSlot::Medium, "LensType", other), TChangeResult::Done);
  EXPECT_EQ(Find(session_.PanelControls(TPanelSlot::Medium), "LensType")->value, other);
  EXPECT_FALSE(session_.PanelControls(TPanelSlot::Source).empty());
  EXPECT_EQ(session_.ChangePanel(TPanelSlot::Tool, "Anything", 0), TChangeResult::UnknownControl);
  EXPECT_EQ(session_.HelpPage(TPanelSlot::Medium), "TLensMapper.html#panel");
  EXPECT_EQ(session_.HelpPage(TPanelSlot::Tool), "");

  // Frames move the field; frozen frames leave it be.
  const std::string still = session_.FieldBytes();
  for (int i = 0; i < 40; ++i)
    EXPECT_TRUE(session_.RunFrame(i % 2 ? TFrameMode::Normal : TFrameMode::Fast));
  const std::string running = session_.FieldBytes();
  EXPECT_NE(running, still);
  session_.RunFrame(TFrameMode::Frozen);
  EXPECT_EQ(session_.FieldBytes(), running);

  // Each view setting draws over the frozen picture, and switched off leaves it as it was; the
  // field stays.
  const std::string plain = FrozenPicture(session_);
  for (void (TLessonSession::*setting)(bool) :
       {&TLessonSession::SetTheory, &TLessonSession::SetHighContrast}) {
    (session_.*setting)(true);
    EXPECT_NE(FrozenPicture(session_), plain);
    (session_.*setting)(false);
    EXPECT_EQ(FrozenPicture(session_), plain);
  }
  EXPECT_EQ(session_.FieldBytes(), running);

  // A tool from the catalogue brings its panel, picture and readings; deleting it takes them away.
  ASSERT_TRUE(session_.AddTool(IndexOf(TLessonSession::Tools(), "TLevelMeterTool")));
  session_.RunFrame(TFrameMode::Normal);
  EXPECT_FALSE(session_.PanelControls(TPanelSlot::Tool).empty());
  const TFastDIB* panelPicture = session_.ToolPanelPicture(300, 120);
  ASSERT_TRUE(panelPicture);
  EXPECT_EQ(panelPicture->Width(), 300);
  EXPECT_NE(session_.ToolReadingsCsv(), "");
  EXPECT_TRUE(session_.SelectionButtons().deleteEnabled);
  EXPECT_EQ(session_.DeleteSelected(), TDeleted::Object);
  session_.RunFrame(TFrameMode::Normal);
  EXPECT_EQ(session_.ToolPanelPicture(300, 120), nullptr);

  // Another experiment in the slide on show; another slide shows its own medium's panel.
  session_.ChooseExperiment(IndexOf(TLessonSession::Experiments(), "TSlitsRIMapper"));
  EXPECT_NE(session_.Slide(0).medium, "Lenses");
  session_.ShowSlide(2);
  EXPECT_EQ(session_.ShownSlide(), 2);
  EXPECT_EQ(session_.Slide(2).medium, "Curved Mirror");
  EXPECT_EQ(Find(session_.PanelControls(TPanelSlot::Medium), "LensType"), nullptr);
  session_.ShowSlide(99);
  EXPECT_EQ(session_.ShownSlide(), 2);
}

// The window's slide commands and the controls beside the tank work on the slide on show.
TEST_F(LessonSession, SlidesContrastShapeAndObjectsFollowTheWindowsCommands) {
  EXPECT_FALSE(session_.DeleteShownSlide());
  EXPECT_FALSE(session_.Changed());
  EXPECT_EQ(session_.NewSlide(), "");
  EXPECT_EQ(session_.NewSlide(), "");
  ASSERT_EQ(session_.SlideCount(), 3);
  EXPECT_EQ(session_.ShownSlide(), 2);
  session_.SetSlideTexts("Waves", "Look");
  EXPECT_EQ(session_.Slide(2).name, "Waves");
  session_.MoveSlide(2, 0);
  EXPECT_EQ(session_.Slide(0).name, "Waves");
  EXPECT_EQ(session_.ShownSlide(), 0);
  session_.MoveSlide(0, 2);
  // Deleting the last slide shows the one before it; deleting another shows the one after it.
  EXPECT_TRUE(session_.DeleteShownSlide());
  EXPECT_EQ(session_.ShownSlide(), 1);
  session_.ShowSlide(0);
  EXPECT_TRUE(session_.DeleteShownSlide());
  EXPECT_EQ(session_.SlideCount(), 1);
  EXPECT_EQ(session_.ShownSlide(), 0);

  session_.SetContrastPosition(80);
  EXPECT_EQ(session_.ContrastPosition(), 80);
  for (int i = 0; i < 30; ++i)
    session_.RunFrame(TFrameMode::Normal);
  session_.ClearField();
  EXPECT_EQ(session_.FieldBytes(), TLessonSession(121, 101).FieldBytes());
  EXPECT_TRUE(session_.Changed());
  session_.MarkSaved();
  session_.SetDisplayShape(3);
  EXPECT_EQ(session_.Picture().Width(), 250);
  EXPECT_EQ(session_.Picture().Height(), 401);
  EXPECT_FALSE(session_.Changed());

  // A tool added is listed and selected; a click on the source selects that, and help follows it.
  ASSERT_TRUE(session_.AddTool(IndexOf(TLessonSession::Tools(), "TCrossSectionTool")));
  session_.RunFrame(TFrameMode::Normal);
  TObjectListContent objects = session_.Objects();
  ASSERT_EQ(objects.items.size(), 3u);
  EXPECT_EQ(objects.selected, 2);
  EXPECT_EQ(session_.HelpPage(TPanelSlot::Tool), "TCrossSectionTool.html#panel");
  session_.SetSnap(true);
  session_.RunFrame(TFrameMode::Normal);
  EXPECT_TRUE(session_.SelectionButtons().snapDown);
  session_.SelectObject(objects.items[0].uniqueID);
  EXPECT_EQ(session_.Objects().selected, 0);
  EXPECT_EQ(session_.HelpPage(TPanelSlot::Source), "TGeneralExciter.html#panel");
}

// The pointer over the tank drips where it presses with the drip button down, and a slide's picture
// and the tool panel's pointer reach the objects the window's would.
TEST_F(LessonSession, ThePointerDripsAndDragsAndTheToolPanelTakesItsOwn) {
  TLessonSession calm(121, 101);
  session_.PointerDown(TMouseButton::Left, {}, 20, 80, true);
  session_.RunFrame(TFrameMode::Normal);
  session_.PointerUp(TMouseButton::Left, {}, 20, 80);
  calm.RunFrame(TFrameMode::Normal);
  EXPECT_TRUE(session_.FieldBytes() != calm.FieldBytes());

  // A press without drips on the source's handle drags it: the saved slide shows it elsewhere.
  const std::string before = session_.Save();
  for (int y = 1; y < 100 && session_.Save() == before; y += 2) {
    for (int x = 1; x < 120 && session_.Save() == before; x += 2) {
      session_.PointerDown(TMouseButton::Left, {}, x, y, false);
      session_.PointerMove({}, x + 15, y + 10);
      session_.PointerUp(TMouseButton::Left, {}, x + 15, y + 10);
    }
  }
  EXPECT_TRUE(session_.Save() != before);

  const TFastDIB slide = session_.SlidePicture(0);
  EXPECT_EQ(slide.Width(), 121);
  EXPECT_EQ(slide.Height(), 101);

  ASSERT_TRUE(session_.AddTool(IndexOf(TLessonSession::Tools(), "TCrossSectionTool")));
  for (int i = 0; i < 20; ++i)
    session_.RunFrame(TFrameMode::Normal);
  const TFastDIB* picture = session_.ToolPanelPicture(300, 120);
  ASSERT_TRUE(picture);
  const TFastDIB plain = *picture;
  session_.ToolPanelPointer(TLessonSession::TPanelPointer::Down, 150, 60);
  session_.ToolPanelPointer(TLessonSession::TPanelPointer::Move, 160, 60);
  session_.ToolPanelPointer(TLessonSession::TPanelPointer::Up, 160, 60);
  session_.RunFrame(TFrameMode::Frozen);
  picture = session_.ToolPanelPicture(300, 120);
  ASSERT_TRUE(picture);
  EXPECT_FALSE(std::equal(plain.Bits(), plain.Bits() + 300 * 120 * 4, picture->Bits()));
}

// The keyboard picks handles in the object list's order, selecting the picked tool, and moves the
// picked handle as a drag would; a ruler then says its new length in the words its label writes.
TEST_F(LessonSession, TheKeyboardPicksAndMovesHandlesAndToolsSayTheirReading) {
  ASSERT_TRUE(session_.AddTool(IndexOf(TLessonSession::Tools(), "TRuler")));
  const TObjectListItem ruler = session_.Objects().items.back();
  TPickedHandle picked;
  do {
    picked = session_.StepHandle(picked, 1);
  } while (picked.objectID != ruler.uniqueID);
  EXPECT_EQ(session_.Objects().items[size_t(session_.Objects().selected)].uniqueID, ruler.uniqueID);
  EXPECT_EQ(session_.StepHandle(session_.StepHandle(picked, 1), -1), picked);

  const std::string length = session_.ReadOut(ruler.uniqueID);
  const TPoint before = session_.HandlePlace(picked)->cell;
  ASSERT_TRUE(session_.NudgeHandle(picked, 0, 10));
  EXPECT_EQ(session_.HandlePlace(picked)->cell.y, before.y + 10);
  EXPECT_NE(session_.ReadOut(ruler.uniqueID), length);
  EXPECT_TRUE(session_.ReadOut(ruler.uniqueID).ends_with("mm"));
  EXPECT_EQ(session_.ReadOut(session_.Objects().items.front().uniqueID), "");
  EXPECT_FALSE(session_.NudgeHandle({ruler.uniqueID, 9}, 1, 0));
}

// Panels keep the words they were made with; made again, they write the language chosen since.
TEST_F(LessonSession, PanelsMadeAgainSpeakTheLanguageChosenSince) {
  const auto commaReadOuts = [this] {
    const std::vector<TPanelControl> controls = session_.PanelControls(TPanelSlot::Source);
    return std::count_if(controls.begin(), controls.end(), [](const TPanelControl& control) {
      return control.kind == TControlKind::ReadOut && control.text.find(',') != std::string::npos;
    });
  };
  ASSERT_EQ(commaReadOuts(), 0);
  SetTextLookup([](std::string_view english) { return english == "." ? std::string(",") : std::string(); });
  session_.RemakePanels();
  EXPECT_GT(commaReadOuts(), 0);
  SetTextLookup(nullptr);
}

// The slideshow, a slide and a refused file travel as bytes and text, as the window's files and
// clipboard carry them.
TEST_F(LessonSession, SavesCopiesPastesAndRefusesAsTheWindowDoes) {
  session_.AddTool(IndexOf(TLessonSession::Tools(), "TRuler"));
  const std::string copied = session_.CopySlide();
  EXPECT_TRUE(session_.PasteSlide(copied).empty());
  ASSERT_EQ(session_.SlideCount(), 2);
  EXPECT_EQ(session_.ShownSlide(), 0);
  const std::vector<std::string> refusedPaste = session_.PasteSlide("no slide here");
  ASSERT_FALSE(refusedPaste.empty());
  EXPECT_EQ(refusedPaste.front(), rs::ClipboardCorrupted);
  EXPECT_EQ(session_.SlideCount(), 2);

  const std::string saved = session_.Save();
  TLessonSession reopened(121, 101);
  ASSERT_EQ(reopened.Open(saved, "copy.wvr").message.kind, TMessageBox::mbNone);
  EXPECT_EQ(reopened.SlideCount(), 2);

  const TOpenedLesson refusal = reopened.Open("<not a slideshow", "broken.wvr");
  EXPECT_FALSE(refusal.opened);
  const TMessageBox& refused = refusal.message;
  EXPECT_EQ(refused.kind, TMessageBox::mbError);
  EXPECT_NE(refused.text.find("End of stream reached before end of tag"), std::string::npos) << refused.text;
  EXPECT_EQ(reopened.SlideCount(), 2);
}

}  // namespace
}  // namespace wavora
