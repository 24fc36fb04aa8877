#include "sim/general_exciter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "model/node_registry.h"
#include "saved_tank.h"
#include "sim/general_exciter_cp.h"
#include "sim_test_objects.h"

// The continuous output of every shape is pinned to the bit by the determinism digests; here the
// envelope, pulses, drips, the pointer, files and the panel.

namespace wavora::test {
namespace {

// A tank of the given size with the empty medium and a general source as its source.
struct TSourceTank {
  TRef<TWater> tank;
  TRef<TGeneralExciter> source;
};

TSourceTank SourceTank(int32_t width, int32_t height) {
  if (!NodeRegistry().IsRegistered("TGeneralExciter"))
    NodeRegistry().RegisterNode(&TGeneralExciter::StaticClassInfo());
  TSourceTank made{MakeTank(width, height), MakeNode<TGeneralExciter>()};
  made.tank->add(made.source);
  return made;
}

int StepsUntil(TGeneralExciter& source, bool (*done)(const TGeneralExciter&)) {
  for (int steps = 1; steps <= 10000; ++steps) {
    source.Apply();
    if (done(source)) return steps;
  }
  return -1;
}

bool RampedUp(const TGeneralExciter& s) {
  return !s.RampingUp();
}
bool Off(const TGeneralExciter& s) {
  return !s.GetON();
}

TEST(SourceEnvelope, RampsUpOverFiftyOneStepsFadesOutWhenSwitchedOffAndRestartsOnClearOrSwitchOn) {
  const auto [tank, source] = SourceTank(101, 101);
  EXPECT_NEAR(source->Period(), 35.36f, 0.01f);
  // 0.02 per step, summed in single precision, passes 1 on the 51st step.
  EXPECT_EQ(StepsUntil(*source, RampedUp), 51);
  EXPECT_EQ(source->Envelope(), 1.0f);
  tank->ClearField();
  EXPECT_EQ(source->Envelope(), 0.0f);
  EXPECT_TRUE(source->RampingUp());

  StepsUntil(*source, RampedUp);
  source->SetON(false);
  EXPECT_TRUE(source->GetON()) << "still fading out";
  EXPECT_NEAR(StepsUntil(*source, Off), 25, 1);
  const float phase = source->GetPhase();
  source->Apply();
  EXPECT_EQ(source->GetPhase(), phase) << "an off source does not oscillate";
  source->SetPhase(2.0f);
  source->SetON(true);
  EXPECT_EQ(source->GetPhase(), 0.0f);
  EXPECT_TRUE(source->RampingUp());

  StepsUntil(*source, RampedUp);
  source->SetOneShot(true);  // the source runs: no new pulse, it fades out
  EXPECT_TRUE(source->RampingDown());
  StepsUntil(*source, Off);
  EXPECT_FALSE(source->GetOneShot());
}

struct TPulseCase {
  float wavelength;
  int fullSteps;
};

class PulseLength : public testing::TestWithParam<TPulseCase> {};

TEST_P(PulseLength, PulseRunsItsFullStepsThenFadesOutAndSwitchesOff) {
  const auto [tank, source] = SourceTank(101, 101);
  source->SetON(false);
  StepsUntil(*source, [](const TGeneralExciter& s) { return !s.RampingDown(); });
  source->SetWavelength(GetParam().wavelength);
  source->SetOneShot(true);
  EXPECT_TRUE(source->GetON());
  int fullSteps = 0, downSteps = 0;
  for (int step = 0; step < 2000 && source->GetON(); ++step) {
    source->Apply();
    if (source->Envelope() == 1.0f && !source->RampingUp()) {
      ++fullSteps;
    } else if (fullSteps > 0) {
      ++downSteps;
    }
  }
  EXPECT_EQ(fullSteps, GetParam().fullSteps);
  // The ramp down loses 1 / Wavelength of envelope per step, and the source is off once it is below 0.
  EXPECT_GE(downSteps, GetParam().wavelength);
  EXPECT_LE(downSteps, GetParam().wavelength + 1);
  EXPECT_FALSE(source->GetOneShot());
  EXPECT_EQ(source->Envelope(), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Wavelengths, PulseLength,
                         testing::Values(TPulseCase{25, 45}, TPulseCase{16, 40}, TPulseCase{50, 53},
                                         TPulseCase{5, 30}));

TEST(Drips, RightButtonLiftsTheWaterByThreeTenthsPerStepExceptAtTheEdge) {
  const auto [tank, source] = SourceTank(101, 101);
  source->SetON(false);
  source->SetBeamType(TGeneralExciter::kPoint);
  for (int i = 0; i < 3; ++i)  // the fade out ends
    tank->Step();
  tank->SetDripMode(true);
  tank->MouseDown(TMouseButton::Right, {}, 50, 40);  // image row 40 is grid row 60
  tank->SetDripMode(false);
  const float expected[] = {1.35f, 2.7f, 4.05f};
  for (int step = 0; step < 3; ++step) {
    tank->Step();
    EXPECT_NEAR(source->DripAmplitude(), 0.3 * (step + 1), 1e-6);
    const float b = static_cast<float>(3.0 * source->DripAmplitude());
    const TWaterGrid& grid = *tank->Grid();
    EXPECT_NEAR(grid.Cell(50, 60).Displacement, expected[step], 1e-5);
    EXPECT_EQ(grid.Cell(51, 60).Displacement, static_cast<float>(0.9 * b));
    EXPECT_EQ(grid.Cell(49, 61).Displacement, static_cast<float>(0.5 * b));
  }
  tank->MouseMove({}, 98, 40);  // column 98 = W - 3 is outside: not applied there
  tank->Step();
  EXPECT_EQ(source->DripAmplitude(), 1.0f);
  EXPECT_EQ(tank->Grid()->Cell(98, 60).Displacement, 0.0f);
  tank->MouseUp(TMouseButton::Right, {}, 98, 40);
  for (int i = 0; i < 4; ++i)
    tank->Step();
  EXPECT_EQ(source->DripAmplitude(), 0.0f);
}

TEST(SourcePointer, BeamIsDraggedUpAndDownOnlyAndDoubleSourceTakesItsPointsButNotTheSegmentBetween) {
  const auto [tank, source] = SourceTank(401, 401);
  // Press on the beam 50 cells above its centre, drag right and down.
  tank->MouseDown(TMouseButton::Left, {}, 40, 400 - 250);
  ASSERT_TRUE(tank->CapturedObject());
  tank->MouseMove({}, 80, 400 - 230);
  tank->MouseUp(TMouseButton::Left, {}, 80, 400 - 230);
  EXPECT_EQ(source->Point3(), (TPoint{40, 180}));

  source->SetBeamType(TGeneralExciter::kDouble);
  const TPoint p1 = source->Point1();
  tank->MouseDown(TMouseButton::Left, {}, 200, 400 - p1.y);
  EXPECT_FALSE(tank->CapturedObject());
  tank->MouseDown(TMouseButton::Left, {}, p1.x, 400 - p1.y);
  tank->MouseMove({}, p1.x, 400 - 100);
  tank->MouseUp(TMouseButton::Left, {}, p1.x, 400 - 100);
  EXPECT_EQ(source->Point1(), (TPoint{p1.x, 100}));
  EXPECT_EQ(tank->SourceRow, 100);
}

TEST(SourceFile, MovingSourceOpenedFromAFileTravelsAgainFromTheLeft) {
  const auto [tank, source] = SourceTank(401, 401);
  source->SetBeamType(TGeneralExciter::kDoppler);
  source->DopplerRestart();
  source->SetY1Percent(30);
  for (int i = 0; i < 10; ++i)
    tank->Step();
  const TRef<TWater> opened = ReadTank(SavedText(*tank), 250, 250);
  const TRef<TGeneralExciter> copy = RefCast<TGeneralExciter>(opened->GetExciter());
  const TPoint target{TBaseControl::CellFromPercent(95, 250), TBaseControl::CellFromPercent(30, 250)};
  EXPECT_EQ(copy->Point1(), target);
  EXPECT_EQ(copy->DopplerX(), float(TBaseControl::CellFromPercent(5, 250)));
  EXPECT_EQ(copy->DopplerY(), float(target.y));
  opened->Step();
  EXPECT_GT(copy->DopplerX(), float(TBaseControl::CellFromPercent(5, 250)));
}

TEST(SourceFile, NamesKindsAndTheWavelengthHeldToWhatTheStepCanRun) {
  const TRef<TGeneralExciter> source = MakeNode<TGeneralExciter>();
  const char* const names[] = {"Point Source", "Beam Source", "Line Source", "Double Source",
                               "Doppler Source"};
  const int32_t kinds[] = {1, 4, 7, 2, 1};
  for (int32_t shape = 0; shape < 5; ++shape) {
    source->SetBeamType(shape);
    EXPECT_EQ(source->ListName(), names[shape]);
    EXPECT_EQ(source->HandleKind(), kinds[shape]);
  }
  source->SetBeamType(7);
  EXPECT_EQ(source->GetBeamType(), TGeneralExciter::kBeam) << "unknown shapes run as the beam";
  for (const float wavelength : {0.0f, std::nanf(""), 1e30f}) {
    source->SetWavelength(wavelength);
    EXPECT_EQ(source->GetWavelength(),
              wavelength > 1 ? TGeneralExciter::kMaxWavelength : TGeneralExciter::kMinWavelength);
  }
}

TEST(SourceFile, NonDefaultSourceSurvivesSaveAndReload) {
  const auto [tank, source] = SourceTank(401, 401);
  source->SetON(false);
  source->SetWavelength(12.5f);
  source->SetDetune(2.5f);
  source->SetDopplerSpeed(1.2f);
  source->SetBeamType(TGeneralExciter::kPoint);  // not the default shape: written although 0
  source->SetHarmonics(true);
  source->SetUseFreq(true);
  source->SetX1Percent(30);
  source->SetY2Percent(20);
  for (int i = 0; i < 7; ++i)
    tank->Step();
  const std::string saved = SavedText(*tank);
  EXPECT_NE(saved.find("ON=\"False\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("BeamType=\"0\""), std::string::npos) << saved;
  EXPECT_EQ(saved.find("OneShot"), std::string::npos) << saved;
  EXPECT_EQ(SavedText(*Reloaded(*tank)), saved);
}

TEST(SourceFile, PulseSwitchedOffBeforeItsFirstStepStaysOffWhenReadBack) {
  const auto [tank, source] = SourceTank(101, 101);
  source->SetON(false);
  source->SetOneShot(true);  // a pulse starts ...
  source->SetON(false);      // ... and is switched off before any step: nothing to fade out
  EXPECT_FALSE(source->GetOneShot());
  EXPECT_EQ(SavedText(*Reloaded(*tank)), SavedText(*tank));
}

struct TPanelFixture {
  TSourceTank made = SourceTank(120, 120);
  TRef<TGeneralExciter> source = made.source;
  std::unique_ptr<TGeneralExciterCP> panel;

  TPanelFixture() { Rebuild(); }
  void Rebuild() { panel.reset(dynamic_cast<TGeneralExciterCP*>(source->CreateControlPanel().release())); }
};

TEST(SourcePanel, BarsAndLabelsFollowEachOtherAndTheFrequencyButtonSwitchesBars) {
  TPanelFixture f;
  EXPECT_EQ(f.panel->Type1Caption(), "Beam Source");
  EXPECT_EQ(f.panel->FrequencyBar().position, 18);  // round(7.071 / (25 * 0.016)) = round(17.68)
  EXPECT_EQ(f.panel->WavelengthLabel(), "25.0mm");
  EXPECT_EQ(f.panel->FrequencyLabel(), "1.77Hz");
  EXPECT_EQ(f.panel->DetuneAmountLabel(), "1.0x");
  EXPECT_EQ(f.panel->MachLabel(), "Mach 0.6");
  EXPECT_EQ(f.source->GetWavelength(), 25.0f) << "building the panel does not edit the source";
  f.panel->CustomSpeedButton1Click();
  EXPECT_TRUE(f.source->GetUseFreq());
  EXPECT_FALSE(f.panel->WavelengthBarVisible());
  EXPECT_EQ(f.panel->WavelengthTextColour(), RGB(128, 128, 128));
  EXPECT_FLOAT_EQ(f.source->GetWavelength(), static_cast<float>(7.071 / (18 * 0.016)));
  f.Rebuild();  // a saved choice of frequency comes back with the panel
  EXPECT_TRUE(f.panel->FrequencyBarVisible());
  f.panel->CustomSpeedButton1Click();
  EXPECT_TRUE(f.panel->WavelengthBarVisible());
  EXPECT_EQ(f.source->GetWavelength(), 25.0f);

  f.panel->SetWavelengthBar(50);
  EXPECT_EQ(f.source->GetWavelength(), 50.0f);
  EXPECT_EQ(f.panel->FrequencyLabel(), "0.88Hz");
  f.panel->SetFrequencyBar(50);
  EXPECT_FLOAT_EQ(f.source->GetWavelength(), static_cast<float>(7.071 / (50 * 0.016)));
  EXPECT_EQ(f.panel->WavelengthLabel(), "8.8mm");
  EXPECT_EQ(f.panel->FrequencyLabel(), "5.00Hz");
  f.panel->SetWavelengthBar(500);  // a slider stops at its end
  EXPECT_EQ(f.panel->WavelengthBar().position, 50);
}

TEST(SourcePanel, PulseButtonStartsAPulseAndPopsUpWhenItEndsAlsoOnAPanelBuiltDuringIt) {
  TPanelFixture f;
  f.panel->PowerButtonClick();
  StepsUntil(*f.source, Off);
  f.panel->OneWaveClick();
  EXPECT_TRUE(f.source->GetOneShot());
  EXPECT_TRUE(f.source->GetON());
  f.panel->Poll50ms();
  EXPECT_TRUE(f.panel->OneWaveDown()) << "the pulse still runs";
  f.Rebuild();
  EXPECT_TRUE(f.panel->OneWaveDown());
  StepsUntil(*f.source, Off);
  f.panel->Poll50ms();
  EXPECT_FALSE(f.panel->OneWaveDown());
  EXPECT_FALSE(f.panel->Timer1Enabled());
}

TEST(SourcePanel, ShapeMenuShowsEachShapesControls) {
  TPanelFixture f;
  const auto entries = f.panel->Type1Click();
  ASSERT_EQ(entries.size(), 5u);
  EXPECT_EQ(entries[3].caption, "Double Source");
  EXPECT_TRUE(entries[1].checked);
  f.panel->ShapeMenuClick(3);
  EXPECT_EQ(f.source->GetBeamType(), 3);
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

}  // namespace
}  // namespace wavora::test
