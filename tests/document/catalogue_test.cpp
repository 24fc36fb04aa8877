#include <gtest/gtest.h>

#include "catalogue_test_objects.h"
#include "document/object_commands.h"
#include "document/object_list.h"
#include "document/slide_commands.h"
#include "sim/exciter.h"
#include "sim/tool_class_list.h"

namespace wavora {
namespace {

using test::TTestLens;
using test::TTestMeter;
using test::TTestRuler;

// A slide as the window makes it, in a slideshow of small tanks.
class Catalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RegisterCatalogueTestClasses();
    slideshow_ = MakeNode<TSlideshow>();
    slideshow_->SetTankSize(80, 60);
    tank_ = AddNewSlide(*slideshow_);
  }
  TRef<TBaseControl> AddTool(const TClassInfo& toolClass) {
    return AddToolFromList(*tank_, test::ToolIndexOf(toolClass));
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const TObjectListItem& item : ObjectListOf(*tank_).items)
      names.push_back(item.name);
    return names;
  }

  TRef<TSlideshow> slideshow_;
  TRef<TWater> tank_;
};

TEST_F(Catalogue, ListShowsSourcesThenMediaThenToolsWithTheirPicturesAndTheLastSelected) {
  const TRef<TBaseControl> meter = AddTool(TTestMeter::StaticClassInfo());
  const TRef<TBaseControl> ruler = AddTool(TTestRuler::StaticClassInfo());
  tank_->SetRIMapClass(TTestLens::StaticClassInfo());  // added after the tools, listed before them
  const TObjectListContent content = ObjectListOf(*tank_);
  ASSERT_EQ(content.items.size(), 4u);
  EXPECT_EQ(content.items[0].kind, TObjectKind::Source);
  EXPECT_EQ(content.items[0].name, "Beam Source");
  EXPECT_EQ(content.items[0].uniqueID, tank_->GetExciter()->GetUniqueID());
  EXPECT_EQ(content.items[1], (TObjectListItem{tank_->RIMapUniqueID(), TObjectKind::Medium, "Test Lens",
                                               MapClassIndexOf("TTestLens")}));
  EXPECT_EQ(content.items[2],
            (TObjectListItem{meter->GetUniqueID(), TObjectKind::PanelTool, "Test Meter", 3}));
  EXPECT_EQ(content.items[3], (TObjectListItem{ruler->GetUniqueID(), TObjectKind::Tool, "Test Ruler", 1}));
  // The lens was selected when it arrived; the ruler before it lost the selection then.
  EXPECT_EQ(content.selected, 1);
  EXPECT_EQ(SelectedObjectID(*tank_), tank_->RIMapUniqueID());
}

TEST_F(Catalogue, TheNewToolOrTheChosenObjectIsTheOneSelectedAndOnlyASelectedPanelToolShowsItsPanel) {
  tank_->SetRIMapClass(TTestLens::StaticClassInfo());
  const TRef<TBaseControl> first = AddTool(TTestMeter::StaticClassInfo());
  const TRef<TBaseControl> second = AddTool(TTestMeter::StaticClassInfo());
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->GetUniqueID(), second->GetUniqueID());
  const auto selected = [&](bool medium, bool firstTool, bool secondTool) {
    EXPECT_EQ(tank_->GetRIMap()->GetActiveTool(), medium);
    for (const auto& [tool, shown] : {std::pair{first, firstTool}, {second, secondTool}}) {
      EXPECT_EQ(tool->GetActiveTool(), shown);
      EXPECT_EQ(RefCast<TControlPanelTool>(tool)->GetActiveCPTool(), shown);
    }
  };
  selected(false, false, true);
  EXPECT_EQ(SelectObject(*tank_, tank_->RIMapUniqueID()), tank_->GetRIMap());
  selected(true, false, false);
  EXPECT_EQ(SelectObject(*tank_, first->GetUniqueID()), first);
  selected(false, true, false);
  EXPECT_FALSE(SelectObject(*tank_, -1));
  EXPECT_FALSE(AddToolFromList(*tank_, -1));
  EXPECT_FALSE(AddToolFromList(*tank_, ToolCount()));
}

TEST_F(Catalogue, DeletingFollowsTheKindOfTheSelectedObject) {
  // Children: source, map holder (with the empty tank), lens, ruler, meter.
  tank_->SetRIMapClass(TTestLens::StaticClassInfo());
  const TRef<TBaseControl> ruler = AddTool(TTestRuler::StaticClassInfo());
  const TRef<TBaseControl> meter = AddTool(TTestMeter::StaticClassInfo());

  // The selected tool goes and the object before it is selected.
  EXPECT_EQ(DeleteActiveObject(*tank_), TDeleted::Object);
  EXPECT_FALSE(meter->ParentObject());
  EXPECT_TRUE(ruler->GetActiveTool());
  EXPECT_EQ(DeleteActiveObject(*tank_), TDeleted::Object);
  EXPECT_FALSE(ruler->ParentObject());

  // The selected medium gives way to the empty tank.
  SelectObject(*tank_, tank_->RIMapUniqueID());
  EXPECT_EQ(DeleteActiveObject(*tank_), TDeleted::Medium);
  EXPECT_EQ(tank_->GetName(), "Empty Tank");

  // The source stays, and so does everything when nothing is selected.
  const int children = tank_->GetChildCount();
  tank_->GetExciter()->SetActiveTool(true);
  EXPECT_EQ(DeleteActiveObject(*tank_), TDeleted::Nothing);
  tank_->GetExciter()->SetActiveTool(false);
  EXPECT_EQ(DeleteActiveObject(*tank_), TDeleted::Nothing);
  EXPECT_EQ(tank_->GetChildCount(), children);
}

TEST_F(Catalogue, SnapReachesOnlySelectedObjects) {
  const TRef<TBaseControl> ruler = AddTool(TTestRuler::StaticClassInfo());
  const TRef<TBaseControl> meter = AddTool(TTestMeter::StaticClassInfo());
  ASSERT_TRUE(ruler->GetSnapToGrid() && meter->GetSnapToGrid());
  SnapActiveObjects(*tank_, false);
  EXPECT_TRUE(ruler->GetSnapToGrid());
  EXPECT_FALSE(meter->GetSnapToGrid());
  meter->SetActiveTool(false);
  SnapActiveObjects(*tank_, true);
  EXPECT_FALSE(meter->GetSnapToGrid());
}

}  // namespace
}  // namespace wavora
