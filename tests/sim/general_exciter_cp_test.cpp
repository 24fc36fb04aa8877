#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "image/fast_dib.h"
#include "sim/general_exciter.h"
#include "sim/general_exciter_cp.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

struct TPanelFixture {
  TRef<TWater> tank = MakeTank(120, 120);
  TRef<TGeneralExciter> source;
  std::unique_ptr<TGeneralExciterCP> panel;

  TPanelFixture() {
    source = MakeNode<TGeneralExciter>();
    tank->add(source);
    Rebuild();
  }
  void Rebuild() {
    std::unique_ptr<TControlPanelModel> model = source->CreateControlPanel();
    panel.reset(dynamic_cast<TGeneralExciterCP*>(model.release()));
  }
};

TEST(SourcePanel, NewPanelShowsTheSource) {
  TPanelFixture f;
  ASSERT_TRUE(f.panel);
  EXPECT_EQ(f.panel->Source(), f.source.Get());
  EXPECT_EQ(f.panel->Type1Caption(), "Beam Source");
  EXPECT_EQ(f.panel->Type1Picture(), 1);
  EXPECT_TRUE(f.panel->PowerButtonDown());
  EXPECT_FALSE(f.panel->OneWaveDown());
  EXPECT_EQ(f.panel->WavelengthBar().position, 25);
  EXPECT_EQ(f.panel->FrequencyBar().position, 18);  // round(7.071 / (25 * 0.016)) = round(17.68)
  EXPECT_EQ(f.panel->WavelengthLabel(), "25.0mm");
  EXPECT_EQ(f.panel->FrequencyLabel(), "1.77Hz");
  EXPECT_TRUE(f.panel->WavelengthBarVisible());
  EXPECT_FALSE(f.panel->FrequencyBarVisible());
  EXPECT_EQ(f.panel->DetuneAmountLabel(), "1.0x");
  EXPECT_EQ(f.panel->MachSlider().position, 6);
  EXPECT_EQ(f.panel->MachLabel(), "Mach 0.6");
  EXPECT_EQ(f.source->GetWavelength(), 25.0f) << "building the panel does not edit the source";
}

TEST(SourcePanel, WavelengthAndFrequencyBarsFollowEachOther) {
  TPanelFixture f;
  f.panel->SetWavelengthBar(50);
  EXPECT_EQ(f.source->GetWavelength(), 50.0f);
  EXPECT_EQ(f.panel->FrequencyBar().position, 9);
  EXPECT_EQ(f.panel->WavelengthLabel(), "50.0mm");
  EXPECT_EQ(f.panel->FrequencyLabel(), "0.88Hz");

  f.panel->SetFrequencyBar(50);
  EXPECT_FLOAT_EQ(f.source->GetWavelength(), static_cast<float>(7.071 / (50 * 0.016)));
  EXPECT_EQ(f.panel->WavelengthBar().position, 9);
  EXPECT_EQ(f.panel->WavelengthLabel(), "8.8mm");
  EXPECT_EQ(f.panel->FrequencyLabel(), "5.00Hz");

  f.panel->SetWavelengthBar(500);  // a slider stops at its end
  EXPECT_EQ(f.panel->WavelengthBar().position, 50);
}

TEST(SourcePanel, FrequencyButtonSwitchesBarsAndSnapsTheWavelengthToTheShownBar) {
  TPanelFixture f;
  f.panel->CustomSpeedButton1Click();
  EXPECT_TRUE(f.source->GetUseFreq());
  EXPECT_TRUE(f.panel->FrequencyBarVisible());
  EXPECT_FALSE(f.panel->WavelengthBarVisible());
  EXPECT_EQ(f.panel->FrequencyTextColour(), RGB(0, 0, 0));
  EXPECT_EQ(f.panel->WavelengthTextColour(), RGB(128, 128, 128));
  EXPECT_FLOAT_EQ(f.source->GetWavelength(), static_cast<float>(7.071 / (18 * 0.016)));

  f.Rebuild();  // a saved choice of frequency comes back with the panel
  EXPECT_TRUE(f.panel->FrequencyBarVisible());
  f.panel->CustomSpeedButton1Click();
  EXPECT_FALSE(f.source->GetUseFreq());
  EXPECT_TRUE(f.panel->WavelengthBarVisible());
  EXPECT_EQ(f.source->GetWavelength(), 25.0f);
}

TEST(SourcePanel, PulseButtonStartsAPulseAndPopsUpWhenItEnds) {
  TPanelFixture f;
  f.panel->PowerButtonClick();
  EXPECT_FALSE(f.panel->PowerButtonDown());
  for (int i = 0; i < 30; ++i)
    f.source->Apply();
  ASSERT_FALSE(f.source->GetON());

  f.panel->OneWaveClick();
  EXPECT_TRUE(f.panel->OneWaveDown());
  EXPECT_TRUE(f.source->GetOneShot());
  EXPECT_TRUE(f.source->GetON());
  EXPECT_TRUE(f.panel->Timer1Enabled());
  f.panel->Poll50ms();
  EXPECT_TRUE(f.panel->OneWaveDown()) << "the pulse still runs";
  int steps = 0;
  while (f.source->GetON() && steps < 1000) {
    f.source->Apply();
    ++steps;
  }
  // Ramp up (51 steps, the last at full amplitude), 44 more at full amplitude, 25 ramping down.
  EXPECT_EQ(steps, 51 + 44 + 25);
  f.panel->Poll50ms();
  EXPECT_FALSE(f.panel->OneWaveDown());
  EXPECT_FALSE(f.panel->Timer1Enabled());
}

TEST(SourcePanel, ContinuousButtonEndsAPulseAndRunsOn) {
  TPanelFixture f;
  f.panel->PowerButtonClick();  // up: off
  EXPECT_FALSE(f.source->GetON() && !f.source->RampingDown());
  for (int i = 0; i < 30; ++i)
    f.source->Apply();
  f.panel->OneWaveClick();
  f.panel->PowerButtonClick();  // down: continuous
  EXPECT_TRUE(f.panel->PowerButtonDown());
  EXPECT_FALSE(f.panel->OneWaveDown());
  EXPECT_FALSE(f.source->GetOneShot());
  EXPECT_TRUE(f.source->GetON());
  EXPECT_TRUE(f.source->RampingUp());

  f.source->Apply();
  f.panel->PowerButtonClick();
  EXPECT_TRUE(f.source->RampingDown());
}

TEST(SourcePanel, ShapeMenuSetsTheSourceAndShowsItsControls) {
  TPanelFixture f;
  const auto entries = f.panel->Type1Click();
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[3].name, "Double1");
  EXPECT_EQ(entries[3].caption, "Double Source");
  EXPECT_EQ(entries[3].imageIndex, 3);
  EXPECT_TRUE(entries[1].checked);
  EXPECT_FALSE(entries[0].checked);

  f.panel->ShapeMenuClick(3);
  EXPECT_EQ(f.source->GetBeamType(), 3);
  EXPECT_EQ(f.panel->Type1Caption(), "Double Source");
  EXPECT_TRUE(f.panel->DetuneControlsVisible());
  EXPECT_FALSE(f.panel->MachControlsVisible());
  f.panel->SetDetuneSlider(20);
  EXPECT_EQ(f.source->GetDetune(), 2.0f);
  EXPECT_EQ(f.panel->DetuneAmountLabel(), "2.0x");

  f.panel->ShapeMenuClick(4);
  EXPECT_FALSE(f.panel->DetuneControlsVisible());
  EXPECT_TRUE(f.panel->MachControlsVisible());
  f.panel->SetMachSlider(12);
  EXPECT_EQ(f.source->GetDopplerSpeed(), 1.2f);
  EXPECT_EQ(f.panel->MachLabel(), "Mach 1.2");
  f.panel->HarmonicsButtonClick();
  EXPECT_TRUE(f.source->GetHarmonics());
  f.panel->DopplerResetClick();
  EXPECT_EQ(f.source->Point1().x, TBaseControl::CellFromPercent(95, 120));
  EXPECT_EQ(f.source->DopplerX(), float(TBaseControl::CellFromPercent(5, 120)));
}

TEST(SourcePanel, ShapeChangedElsewhereIsShownWithinAPoll) {
  TPanelFixture f;
  f.tank->SuggestedBeamType = TGeneralExciter::kPoint;
  TFastDIB image(120, 120);
  f.tank->DrawOnly(image);
  EXPECT_EQ(f.panel->ShownShape(), 1);
  f.panel->Poll200ms();
  EXPECT_EQ(f.panel->ShownShape(), 0);
  EXPECT_EQ(f.panel->Type1Caption(), "Point Source");
}

TEST(SourcePanel, PanelBuiltDuringAPulseStillPopsUp) {
  TPanelFixture f;
  f.source->SetON(false);
  f.source->Apply();
  f.source->SetOneShot(true);
  f.Rebuild();
  EXPECT_TRUE(f.panel->OneWaveDown());
  while (f.source->GetON())
    f.source->Apply();
  f.panel->Poll50ms();
  EXPECT_FALSE(f.panel->OneWaveDown());
}

}  // namespace
}  // namespace wavora::test
