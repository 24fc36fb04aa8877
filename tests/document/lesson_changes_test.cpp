#include "document/lesson_changes.h"

#include <gtest/gtest.h>

#include <functional>

#include "../sim/saved_tank.h"
#include "document/class_registration.h"
#include "document/object_commands.h"
#include "document/slide_commands.h"
#include "image/fast_dib.h"
#include "model/property_text.h"
#include "sim/exciter.h"
#include "sim/frame_loop.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "tools/timer_tool.h"

namespace wavora {
namespace {

struct TEditCase {
  const char* name;
  std::function<void(TSlideshow&)> edit;
  bool changesLesson;
};

TEST(LessonChanges, EditsCountAndSessionStateDoesNot) {
  RegisterClasses();
  const auto firstTank = [](TSlideshow& show) { return show.GetWater(0); };
  const TEditCase cases[] = {
      {"slide name", [&](TSlideshow& s) { firstTank(s)->SetName("Waves"); }, true},
      {"contrast", [&](TSlideshow& s) { firstTank(s)->SetExposure(2); }, true},
      {"new slide", [](TSlideshow& s) { AddNewSlide(s); }, true},
      {"tool added", [&](TSlideshow& s) { AddToolFromList(*firstTank(s), 0); }, true},
      {"experiment", [&](TSlideshow& s) { firstTank(s)->SetRIMapClass(*MapClass(1)); }, true},
      {"source moved",
       [&](TSlideshow& s) { SetPropertyFromText(*firstTank(s)->GetExciter(), "X1Percent", "40", false); },
       true},
      {"name typed and taken back",
       [&](TSlideshow& s) {
         firstTank(s)->SetName("W");
         firstTank(s)->SetName("");
       },
       false},
      {"slide selected", [](TSlideshow& s) { s.ActiveID = 0; }, false},
      {"source selected", [&](TSlideshow& s) { firstTank(s)->GetExciter()->SetActiveTool(true); }, false},
  };
  for (const TEditCase& c : cases) {
    const TRef<TSlideshow> show = NewSlideshow(80, 60);
    TLessonChanges changes;
    changes.MarkUnchanged(*show);
    c.edit(*show);
    EXPECT_EQ(changes.Changed(*show), c.changesLesson) << c.name;
  }
}

// Every medium with every tool and a running stopwatch: frames move waves, phases and clocks, and a
// display shape moves cells, not the lesson; after a shape and back the file is byte for byte the
// same. The first frame of a slide places the source where its medium wants it, part of choosing
// the medium.
TEST(LessonChanges, RunningFramesAndDisplayShapesChangeNothing) {
  RegisterClasses();
  const TRef<TSlideshow> show = NewSlideshow(80, 60);
  for (int i = 1; i < MapClassCount(); ++i)
    AddNewSlide(*show)->SetRIMapClass(*MapClass(i));
  TFrameLoop loop;
  TFastDIB image(80, 60);
  const auto runFrames = [&](int count) {
    for (int i = 0; i < show->SlideCount(); ++i) {
      for (int frame = 0; frame < count; ++frame)
        loop.RunFrame(show->GetWater(i).Get(), image, false);
    }
  };
  for (int i = 0; i < show->SlideCount(); ++i) {
    for (int tool = 0; tool < ToolCount(); ++tool) {
      const TRef<TBaseControl> added = AddToolFromList(*show->GetWater(i), tool);
      if (const TRef<TTimerTool> stopwatch = RefCast<TTimerTool>(added)) stopwatch->SetTurnedOff(false);
    }
  }
  runFrames(1);
  TLessonChanges changes;
  changes.MarkUnchanged(*show);
  runFrames(40);
  EXPECT_FALSE(changes.Changed(*show));

  const std::string saved = test::SavedText(*show);
  changes.LayOutUnchanged(*show, [&] { show->SetTankSize(60, 90); });
  EXPECT_FALSE(changes.Changed(*show));
  changes.LayOutUnchanged(*show, [&] { show->SetTankSize(80, 60); });
  loop.paused = true;  // frozen frames redraw, and the Earth and the tsunami place their source again
  runFrames(3);
  EXPECT_EQ(test::SavedText(*show), saved);
}

}  // namespace
}  // namespace wavora
