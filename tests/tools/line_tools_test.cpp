#include <gtest/gtest.h>

#include "image/fast_dib.h"
#include "sim/water.h"
#include "tools/intensity_cp.h"
#include "tools/intensity_tool.h"

namespace wavora {
namespace {

// A tank of 101 x 101 cells, every cell displaced by the same amount, and a tool with its panel.
template <class TTool, class TPanel>
struct TLineToolRig {
  explicit TLineToolRig(int panelWidth = 100, int panelHeight = 50) {
    tank->SetSize(101, 101);
    tank->add(tool);
    panel = std::unique_ptr<TPanel>(static_cast<TPanel*>(tool->CreateControlPanel().release()));
    panel->SetBoxSize(panelWidth, panelHeight);
  }
  void Displace(float value) {
    for (int x = 0; x < 101; ++x) {
      for (int y = 0; y < 101; ++y)
        tank->Grid()->Cell(x, y).Displacement = value;
    }
  }
  void Update() { tool->UpdateControlPanel(*panel); }
  TFastDIB& Image() { return *panel->SnapshotImage(); }

  TRef<TWater> tank = MakeNode<TWater>();
  TRef<TTool> tool = MakeNode<TTool>();
  std::unique_ptr<TPanel> panel;
};

using TIntensityRig = TLineToolRig<TIntensityTool, TIntensityToolFrame>;

TEST(Intensity, AWindowCollectsThePeakOf15StepsAndAgesWithItsWeight) {
  TIntensityRig rig;
  rig.Update();  // takes the panel's width as the sample count and resets
  rig.Displace(1);
  for (int step = 0; step < 14; ++step)
    rig.tool->AfterStep();
  rig.Update();
  EXPECT_TRUE(rig.tool->Calculating());
  EXPECT_TRUE(rig.panel->CalcLabelVisible());
  EXPECT_FALSE(rig.tool->Readings().at(0).value) << "no intensity yet";
  rig.tool->AfterStep();  // the 15th step opens the next window
  rig.Update();
  EXPECT_FALSE(rig.tool->Calculating());
  EXPECT_TRUE(rig.tool->Readings().at(0).value);
  // The completed window weighs 1 - 1/196; the one being filled nothing.
  EXPECT_FLOAT_EQ(rig.tool->IntensityAt(0), 195.0f / 196.0f);
}

TEST(Intensity, StillTankNormalisedIsBlackAndFullGainSaturatesTheBand) {
  const struct {
    int gain;  // 0: the initial normalised display
    float displacement;
    TColour band;
  } cases[] = {{0, 0, RGB(0, 0, 0)}, {16, 3.5f, RGB(255, 0, 0)}, {1, 3.5f, RGB(62, 0, 0)}};
  for (const auto& c : cases) {
    TIntensityRig rig;
    if (c.gain) rig.panel->NoGain1Click(c.gain);
    rig.Update();
    rig.Displace(c.displacement);
    for (int step = 0; step < 30; ++step)
      rig.tool->AfterStep();
    rig.Update();
    // Two complete windows: intensity 3.5 * (195 + 192) / 196; red = round(intensity^2 * gain * 255 / 196).
    EXPECT_EQ(rig.Image().Pixel(50, 10), c.band) << c.gain;
    if (!c.gain) {
      EXPECT_EQ(rig.Image().Pixel(50, 48), RGB(200, 220, 225)) << "the graph on the bottom row";
    }
  }
}

TEST(Intensity, PopupMenuShowsAndChangesTheSettings) {
  TIntensityRig rig;
  std::vector<std::string> names, checked;
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup()) {
    names.push_back(entry.name);
    if (entry.checked) checked.push_back(entry.name);
  }
  EXPECT_EQ(names,
            (std::vector<std::string>{"SaveSnapshot1", "CopySnapshot1", "SaveData1", "CopyData1", "",
                                      "ShowLaserandGraph1", "ShowLaseronly1", "ShowGraphonly1", "",
                                      "Normalise1", "NoGain1", "X2Gain1", "x4Gain1", "x8Gain1", "x16Gain1"}));
  EXPECT_EQ(checked, (std::vector<std::string>{"ShowLaserandGraph1", "Normalise1"}));
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup()) {
    if (entry.name == "x4Gain1" || entry.name == "ShowGraphonly1") rig.panel->PopupMenuClick(entry);
  }
  EXPECT_EQ(rig.tool->GetGain(), 4);
  EXPECT_EQ(rig.tool->GetIntensityMode(), 2);
}

}  // namespace
}  // namespace wavora
