#include <gtest/gtest.h>

#include "../sim/saved_tank.h"
#include "document/class_registration.h"
#include "model/node_registry.h"
#include "model/property_text.h"
#include "sim/tool_class_list.h"
#include "sim/tool_data.h"
#include "sim/water.h"
#include "tools/level_meter_tool.h"
#include "tools/ruler.h"
#include "tools/timer_tool.h"

namespace wavora {
namespace {

TEST(ToolData, OneCsvRowPerReadingNumberedInTheTanksOrder) {
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(401, 401);
  const TRef<TRuler> ruler = MakeNode<TRuler>();
  const TRef<TTimerTool> stopwatch = MakeNode<TTimerTool>();
  tank->add(stopwatch);
  tank->add(ruler);
  tank->add(MakeNode<TLevelMeterTool>());
  stopwatch->SetAccumulatedTime(1250);
  ruler->SetX2Percent(50.5f);
  // A meter that has heard nothing shows no number, and gives an empty cell.
  EXPECT_EQ(ToolDataCsv(*tank),
            "tool,type,quantity,x,x_unit,value,value_unit\r\n"
            "1,Stopwatch,elapsed,,,1.25,s\r\n"
            "2,Ruler,length,,,119,mm\r\n"
            "3,Signal Level Meter,peak level,,,,db\r\n");
  EXPECT_EQ(ToolDataCsv(*ruler),
            "tool,type,quantity,x,x_unit,value,value_unit\r\n"
            "2,Ruler,length,,,119,mm\r\n");
  // The tool's item in the object list saves or copies the same text, made when chosen.
  const std::vector<TListMenuEntry> entries = ruler->ListMenuEntries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].action, TListMenuEntry::TAction::SaveText);
  EXPECT_EQ(entries[0].extension, "csv");
  EXPECT_EQ(entries[1].caption, "Copy Data");
  ruler->SetX2Percent(60.0f);
  EXPECT_EQ(entries[1].text(), ToolDataCsv(*ruler));
}

TEST(ToolData, ToolsAreOfferedInMenuOrderAndReadBackWithTheirSettings) {
  RegisterClasses();
  const std::vector<std::pair<std::string, int>> expected = {
      {"TRuler", 1},         {"TProtractor", 2},      {"TTimerTool", 7},      {"TCrossSectionTool", 3},
      {"TIntensityTool", 4}, {"TPointLoggerTool", 5}, {"TLevelMeterTool", 6}, {"TSpectrumTool", 8}};
  ASSERT_GE(ToolCount(), int(expected.size()));
  // Settings a user can change, by class, as a file holds them, and what reading them keeps: a value
  // outside its list falls back to the tool's first or nearest choice.
  struct TSetting {
    const char* name;
    const char* value;
    const char* kept;
  };
  const std::pair<const char*, std::vector<TSetting>> settings[] = {
      {"TRuler", {{"X2Percent", "70", "70"}}},
      {"TProtractor", {{"Snap_to_Grid", "False", "False"}, {"Y1Percent", "80", "80"}}},
      {"TTimerTool", {{"AccumulatedTime", "4200", "4200"}, {"TurnedOff", "False", "False"}}},
      {"TCrossSectionTool", {{"Gain", "8", "8"}, {"Y2Percent", "60", "60"}}},
      {"TIntensityTool", {{"Gain", "2", "2"}, {"IntensityMode", "1", "1"}}},
      {"TPointLoggerTool", {{"Gain", "16", "16"}, {"X1Percent", "40", "40"}}},
      {"TLevelMeterTool", {{"Mode", "2", "2"}, {"Use_db", "False", "False"}}},
      {"TSpectrumTool",
       {{"Gain", "4", "4"}, {"IntensityMode", "2", "2"}, {"LinearWavelength", "True", "True"}}},
      {"TCrossSectionTool", {{"Gain", "0", "1"}}},
      {"TCrossSectionTool", {{"Gain", "-7", "1"}}},
      {"TCrossSectionTool", {{"Gain", "1000", "16"}}},
      {"TPointLoggerTool", {{"Gain", "3", "1"}}},
      {"TPointLoggerTool", {{"Gain", "-16", "1"}}},
      {"TLevelMeterTool", {{"Mode", "3", "0"}}},
      {"TLevelMeterTool", {{"Mode", "-1", "0"}}},
      {"TSpectrumTool", {{"Gain", "3", "0"}, {"IntensityMode", "3", "1"}}},
      {"TSpectrumTool", {{"Gain", "1073741824", "0"}, {"IntensityMode", "-7", "1"}}},
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    ASSERT_TRUE(ToolClass(int(i)));
    EXPECT_EQ(ToolClass(int(i))->ClassName(), expected[i].first);
    EXPECT_EQ(ToolImageIndex(int(i)), expected[i].second);
  }
  for (const auto& [className, values] : settings) {
    const TRef<TWater> tank = MakeNode<TWater>();
    tank->SetSize(401, 401);
    const iXMLNode tool = NodeRegistry().FindNodeClass(className)->Create();
    tank->add(tool);
    for (const TSetting& setting : values)
      SetPropertyFromText(*tool, setting.name, setting.value, false);
    const TRef<TWater> loaded = test::Reloaded(*tank);
    ASSERT_TRUE(loaded) << className;
    const iXMLNode reloaded = loaded->GetChildren(loaded->GetChildCount() - 1);
    for (const TSetting& setting : values)
      EXPECT_EQ(PropertyAsText(*reloaded, setting.name), setting.kept)
          << className << "." << setting.name << " = " << setting.value;
  }
}

}  // namespace
}  // namespace wavora
