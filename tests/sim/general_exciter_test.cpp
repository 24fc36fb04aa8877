#include "sim/general_exciter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "image/fast_dib.h"
#include "model/node_registry.h"
#include "model/property_text.h"
#include "saved_tank.h"
#include "sim/general_exciter_cp.h"
#include "sim_test_objects.h"

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

void Steps(TWater& tank, int count) {
  for (int i = 0; i < count; ++i)
    tank.Step();
}

int StepsUntil(TGeneralExciter& source, bool (*done)(const TGeneralExciter&), int limit = 10000) {
  for (int steps = 1; steps <= limit; ++steps) {
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

// ---------------------------------------------------------------------------------------------
// Envelope and pulse

TEST(SourceEnvelope, NewOrClearedSourceRampsUpOverAboutFiftyStepsWithAGaussianShoulder) {
  const auto [tank, source] = SourceTank(101, 101);
  EXPECT_EQ(source->GetWavelength(), 25.0f);
  EXPECT_NEAR(source->Period(), 35.36f, 0.01f);
  EXPECT_TRUE(source->RampingUp());
  source->Apply();
  // While ramping up the output is held under the plain sine by the Gaussian shoulder.
  EXPECT_LE(std::fabs(source->Out1()), std::fabs(std::sin(double(source->GetPhase()))) * 0.2);
  // 0.02 per step, summed in single precision, passes 1 on the 51st step.
  EXPECT_EQ(1 + StepsUntil(*source, RampedUp), 51);
  EXPECT_EQ(source->Envelope(), 1.0f);
  source->Apply();
  EXPECT_EQ(source->Out1(), static_cast<float>(std::sin(double(source->GetPhase()))));
  EXPECT_TRUE(source->GetON());
  // Clearing the field restarts the ramp of a source that is on.
  tank->ClearField();
  EXPECT_EQ(source->Envelope(), 0.0f);
  EXPECT_TRUE(source->RampingUp());
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
  ASSERT_FALSE(source->GetON());
  source->SetWavelength(GetParam().wavelength);
  source->SetOneShot(true);
  EXPECT_TRUE(source->GetON());
  EXPECT_EQ(source->PulseLength(), GetParam().fullSteps);
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
  EXPECT_FALSE(source->GetON());
  EXPECT_FALSE(source->GetOneShot());
  EXPECT_EQ(source->Envelope(), 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Wavelengths, PulseLength,
                         testing::Values(TPulseCase{25, 45}, TPulseCase{16, 40}, TPulseCase{50, 53},
                                         TPulseCase{5, 30}));

TEST(SourceEnvelope, SwitchingOffOrChangingThePulseWhileRunningFadesOutAndSwitchingOnRestartsThePhase) {
  const auto [tank, source] = SourceTank(101, 101);
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

// ---------------------------------------------------------------------------------------------
// Drips

TEST(Drips, RightButtonLiftsTheWaterByThreeTenthsPerStepExceptAtTheEdge) {
  const auto [tank, source] = SourceTank(101, 101);
  source->SetON(false);
  source->SetBeamType(TGeneralExciter::kPoint);
  Steps(*tank, 3);
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
    EXPECT_EQ(grid.Cell(49, 61).Velocity, 0.0f);
  }
  tank->MouseMove({}, 98, 40);  // column 98 = W - 3 is outside: not applied there
  tank->Step();
  EXPECT_EQ(source->DripAmplitude(), 1.0f);
  EXPECT_EQ(tank->Grid()->Cell(98, 60).Displacement, 0.0f);
  tank->MouseUp(TMouseButton::Right, {}, 98, 40);
  tank->Step();
  EXPECT_NEAR(source->DripAmplitude(), 0.7, 1e-6);
  Steps(*tank, 3);
  EXPECT_EQ(source->DripAmplitude(), 0.0f);
}

// ---------------------------------------------------------------------------------------------
// Shapes

TEST(SourceShapes, BeamDrivesRowsWithinEightyNineOfItsCentre) {
  const auto [tank, source] = SourceTank(401, 401);
  EXPECT_EQ(source->BeamColumn(), 40);
  Steps(*tank, 20);
  const TWaterGrid& grid = *tank->Grid();
  ASSERT_NE(source->Out1(), 0.0f);
  for (int32_t y = 111; y <= 289; ++y) {
    const int i = std::abs(y - 200);
    ASSERT_EQ(grid.Cell(40, y).Displacement,
              static_cast<float>(std::exp(-double(i) * i * 0.5 / 900.0) * 1.8 * source->Out1()))
        << y;
    ASSERT_EQ(grid.Cell(40, y).Velocity, 0.0f);
  }
  EXPECT_NE(grid.Cell(40, 110).Velocity, 0.0f) << "row 110 is stepped, not driven";
  EXPECT_NE(grid.Cell(40, 290).Velocity, 0.0f);
}

TEST(SourceShapes, BeamNearTheEdgeSkipsTheEdgeRows) {
  const auto [tank, source] = SourceTank(120, 120);
  tank->SuggestedBeamRow = 100000;  // a medium asking for a row off the tank
  TFastDIB image(120, 120);
  source->Draw(image);
  EXPECT_EQ(source->Point3().y, 118);
  EXPECT_EQ(tank->SourceRow, 118);
  Steps(*tank, 30);
  EXPECT_EQ(tank->Grid()->Cell(12, 119).Displacement, 0.0f);
  EXPECT_NE(tank->Grid()->Cell(12, 118).Displacement, 0.0f);
}

// ---------------------------------------------------------------------------------------------
// The moving source

class DopplerLanding : public testing::TestWithParam<float> {};

TEST_P(DopplerLanding, SourceTravelsToItsTargetLandsOnItAndStays) {
  const auto [tank, source] = SourceTank(120, 120);
  source->SetBeamType(TGeneralExciter::kDoppler);
  source->SetDopplerSpeed(GetParam());
  source->DopplerRestart();
  const TPoint target = source->Point1();
  EXPECT_EQ(target, (TPoint{TBaseControl::CellFromPercent(95, 120), 60}));
  // It lands about when the way left is no longer than a step: at once within the 0.3-cell snap
  // distance or when the step would carry it farther past, else after passing it by at most that much.
  const double step = 0.7071 * GetParam();
  const double start = target.x - source->DopplerX();
  const int expectedSteps = static_cast<int>(std::ceil((start - std::max(step, 0.3)) / step)) + 1;
  double previous = start;
  int steps = 0;
  while (steps < 1000 && (source->DopplerX() != target.x || source->DopplerY() != target.y)) {
    source->Excite();
    ++steps;
    const double left = std::fabs(target.x - source->DopplerX());
    ASSERT_LT(left, previous) << "the source never moves away from its target";
    previous = left;
  }
  EXPECT_NEAR(steps, expectedSteps, 1);
  for (int i = 0; i < 5; ++i)
    source->Excite();
  EXPECT_EQ(source->DopplerX(), float(target.x));
  EXPECT_EQ(source->DopplerY(), float(target.y));
}

INSTANTIATE_TEST_SUITE_P(MachNumbers, DopplerLanding, testing::Values(0.2f, 0.6f, 1.2f, 2.0f, 1000.0f));

TEST(DopplerSource, PushesVelocityWithAGaussianAroundItsPosition) {
  const auto [tank, source] = SourceTank(120, 120);
  source->SetBeamType(TGeneralExciter::kDoppler);  // starts on its target, point 1
  for (int i = 0; i < 20; ++i)
    source->Apply();
  tank->ClearField();
  source->Apply();
  const TPoint p = source->Point1();
  const TWaterGrid& grid = *tank->Grid();
  EXPECT_EQ(grid.Cell(p.x, p.y).Velocity, source->Out1());
  EXPECT_EQ(grid.Cell(p.x + 1, p.y).Velocity, static_cast<float>(std::exp(-0.5) * source->Out1()));
  EXPECT_EQ(grid.Cell(p.x - 10, p.y).Velocity, static_cast<float>(std::exp(-50.0) * source->Out1()));
  EXPECT_EQ(grid.Cell(p.x + 10, p.y).Velocity, 0.0f) << "the block is 20 x 20 cells, from -10 to +9";
  source->SetHarmonics(true);
  tank->ClearField();
  source->Apply();
  EXPECT_EQ(grid.Cell(p.x, p.y).Velocity, source->Out3());
}

// ---------------------------------------------------------------------------------------------
// Suggestions, pointer and layout

TEST(SourcePointer, BeamIsDraggedUpAndDownOnlyAndDoubleSourceTakesItsPointsButNotTheSegmentBetween) {
  const auto [tank, source] = SourceTank(401, 401);
  // Press on the beam 50 cells above its centre, drag right and down.
  tank->MouseDown(TMouseButton::Left, {}, 40, 400 - 250);
  ASSERT_TRUE(tank->CapturedObject());
  tank->MouseMove({}, 80, 400 - 230);
  tank->MouseUp(TMouseButton::Left, {}, 80, 400 - 230);
  EXPECT_EQ(source->Point3(), (TPoint{40, 180}));
  EXPECT_TRUE(source->GetActiveTool());

  source->SetBeamType(TGeneralExciter::kDouble);
  const TPoint p1 = source->Point1();
  tank->MouseDown(TMouseButton::Left, {}, 200, 400 - p1.y);
  EXPECT_FALSE(tank->CapturedObject());
  tank->MouseDown(TMouseButton::Left, {}, p1.x, 400 - p1.y);
  ASSERT_TRUE(tank->CapturedObject());
  tank->MouseMove({}, p1.x, 400 - 100);
  tank->MouseUp(TMouseButton::Left, {}, p1.x, 400 - 100);
  EXPECT_EQ(source->Point1(), (TPoint{p1.x, 100}));
  EXPECT_EQ(tank->SourceRow, 100);
}

TEST(SourceLayout, PercentagesAndSourceRowAfterResize) {
  const auto [tank, source] = SourceTank(401, 401);
  source->SetBeamType(TGeneralExciter::kPoint);
  source->SetY1Percent(25);
  EXPECT_EQ(tank->SourceRow, source->Point1().y);
  tank->SetSize(250, 250);
  EXPECT_EQ(source->BeamColumn(), 25);
  EXPECT_EQ(source->Point1(),
            (TPoint{TBaseControl::CellFromPercent(10, 250), TBaseControl::CellFromPercent(25, 250)}));
  EXPECT_EQ(tank->SourceRow, source->Point1().y);
}

TEST(SourceLayout, MovingSourceOpenedFromAFileTravelsAgainFromTheLeft) {
  const auto [tank, source] = SourceTank(401, 401);
  source->SetBeamType(TGeneralExciter::kDoppler);
  source->DopplerRestart();
  source->SetY1Percent(30);
  Steps(*tank, 10);
  ASSERT_GT(source->DopplerX(), float(TBaseControl::CellFromPercent(5, 401)));

  const TRef<TWater> opened = ReadTank(SavedText(*tank), 250, 250);
  ASSERT_TRUE(opened);
  const TRef<TGeneralExciter> copy = RefCast<TGeneralExciter>(opened->GetExciter());
  const TPoint target{TBaseControl::CellFromPercent(95, 250), TBaseControl::CellFromPercent(30, 250)};
  EXPECT_EQ(copy->Point1(), target);
  EXPECT_EQ(copy->DopplerX(), float(TBaseControl::CellFromPercent(5, 250)));
  EXPECT_EQ(copy->DopplerY(), float(target.y));
  opened->Step();
  EXPECT_GT(copy->DopplerX(), float(TBaseControl::CellFromPercent(5, 250)));
  EXPECT_EQ(copy->DopplerY(), float(target.y));
}

TEST(SourceClass, TextsAndNames) {
  EXPECT_EQ(TGeneralExciter::StaticClassInfo().TypeName(), "Wave Source");
  EXPECT_EQ(TGeneralExciter::StaticClassInfo().TypeDescription(), "Can make different widths of wave ");
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
}

// ---------------------------------------------------------------------------------------------
// Files

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
  source->SetY1Percent(70);
  source->SetX2Percent(60);
  source->SetY2Percent(20);
  Steps(*tank, 7);
  const std::string saved = SavedText(*tank);
  EXPECT_NE(saved.find("ON=\"False\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("BeamType=\"0\""), std::string::npos) << saved;
  EXPECT_EQ(saved.find("OneShot"), std::string::npos) << saved;

  const TRef<TWater> loaded = Reloaded(*tank);
  ASSERT_TRUE(loaded);
  // The same text again means every published property came back.
  EXPECT_EQ(SavedText(*loaded), saved);
  const TRef<TGeneralExciter> copy = RefCast<TGeneralExciter>(loaded->GetExciter());
  ASSERT_TRUE(copy);
  EXPECT_FALSE(copy->GetON());
  EXPECT_EQ(copy->Point1(), source->Point1());
  EXPECT_EQ(copy->Point2(), source->Point2());
  EXPECT_FLOAT_EQ(copy->GetPhase2(), source->GetPhase2());
}

TEST(SourceFile, PulseSwitchedOffBeforeItsFirstStepStaysOffWhenReadBack) {
  const auto [tank, source] = SourceTank(101, 101);
  source->SetON(false);
  source->SetOneShot(true);  // a pulse starts ...
  source->SetON(false);      // ... and is switched off before any step: nothing to fade out
  EXPECT_FALSE(source->GetOneShot());
  const TRef<TWater> loaded = Reloaded(*tank);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(SavedText(*loaded), SavedText(*tank));
}

// Values no panel produces, as a hand-edited file may hold them: the source must keep every write
// inside the grid and never stall, and the wavelength is held to what the step can run.
TEST(SourceFile, AbsurdValuesRunEveryShapeWithinTheGrid) {
  const std::pair<const char*, const char*> cases[] = {
      {"Wavelength", "0"},      {"Wavelength", "-25"},  {"Wavelength", "3E38"},      {"Detune", "1E30"},
      {"Detune", "-3E38"},      {"Phase", "3E38"},      {"Phase2", "-3E38"},         {"Phase3", "1E20"},
      {"DopplerSpeed", "3E38"}, {"DopplerSpeed", "-5"}, {"BeamType", "-2147483648"}, {"X1Percent", "3E38"},
      {"Y1Percent", "-3E38"},   {"X2Percent", "1E9"},   {"Y2Percent", "-1E9"}};
  for (const auto& [property, text] : cases) {
    for (int32_t shape = 0; shape < TGeneralExciter::kShapeCount; ++shape) {
      SCOPED_TRACE(std::string(property) + "=" + text + " shape " + std::to_string(shape));
      const auto [tank, source] = SourceTank(60, 50);
      source->SetBeamType(shape);
      SetPropertyFromText(*source, property, text, false);
      tank->SetSize(60, 50);  // lays the handles out from the stored percentages
      TFastDIB image(60, 50);
      for (int i = 0; i < 120; ++i)
        tank->StepAndDraw(image);
      for (int32_t x = 0; x < 60; ++x) {
        for (int32_t y = 0; y < 50; ++y) {
          ASSERT_TRUE(std::isfinite(tank->Grid()->Cell(x, y).Displacement)) << x << "," << y;
          ASSERT_TRUE(std::isfinite(tank->Grid()->Cell(x, y).Velocity)) << x << "," << y;
        }
      }
    }
  }
  const TRef<TGeneralExciter> source = MakeNode<TGeneralExciter>();
  for (const float wavelength : {0.0f, std::nanf(""), 1e30f}) {
    source->SetWavelength(wavelength);
    EXPECT_EQ(source->GetWavelength(),
              wavelength > 1 ? TGeneralExciter::kMaxWavelength : TGeneralExciter::kMinWavelength);
  }
  EXPECT_GT(source->PulseLength(), 0);
}

// ---------------------------------------------------------------------------------------------
// The panel

struct TPanelFixture {
  TSourceTank made = SourceTank(120, 120);
  TRef<TWater> tank = made.tank;
  TRef<TGeneralExciter> source = made.source;
  std::unique_ptr<TGeneralExciterCP> panel;

  TPanelFixture() { Rebuild(); }
  void Rebuild() { panel.reset(dynamic_cast<TGeneralExciterCP*>(source->CreateControlPanel().release())); }
};

TEST(SourcePanel, NewPanelShowsTheSourceAndItsBarsFollowEachOther) {
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

TEST(SourcePanel, PulseButtonStartsAPulseAndPopsUpWhenItEndsAlsoOnAPanelBuiltDuringIt) {
  TPanelFixture f;
  f.panel->PowerButtonClick();
  EXPECT_FALSE(f.panel->PowerButtonDown());
  StepsUntil(*f.source, Off);
  ASSERT_FALSE(f.source->GetON());

  f.panel->OneWaveClick();
  EXPECT_TRUE(f.panel->OneWaveDown());
  EXPECT_TRUE(f.source->GetOneShot());
  EXPECT_TRUE(f.source->GetON());
  EXPECT_TRUE(f.panel->Timer1Enabled());
  f.panel->Poll50ms();
  EXPECT_TRUE(f.panel->OneWaveDown()) << "the pulse still runs";
  f.Rebuild();
  EXPECT_TRUE(f.panel->OneWaveDown());
  StepsUntil(*f.source, Off);
  f.panel->Poll50ms();
  EXPECT_FALSE(f.panel->OneWaveDown());
  EXPECT_FALSE(f.panel->Timer1Enabled());
}

TEST(SourcePanel, ContinuousButtonEndsAPulseAndRunsOn) {
  TPanelFixture f;
  f.panel->PowerButtonClick();  // up: off
  EXPECT_FALSE(f.source->GetON() && !f.source->RampingDown());
  StepsUntil(*f.source, Off);
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

TEST(SourcePanel, ShapeMenuOrAMediumSetsTheSourceAndThePanelShowsItsControls) {
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

  // A medium's suggestion moves the source on the next draw, and the panel shows it within a poll.
  f.tank->SuggestedBeamType = TGeneralExciter::kPoint;
  f.tank->SuggestedSourceX = 30;
  f.tank->SuggestedSourceY = 90;
  TFastDIB image(120, 120);
  f.tank->DrawOnly(image);
  EXPECT_EQ(f.source->Point1(), (TPoint{30, 90}));
  EXPECT_EQ(f.tank->SourceRow, 90);
  EXPECT_EQ(f.tank->SuggestedBeamType, -1);
  EXPECT_EQ(f.tank->SuggestedSourceX, 0);
  EXPECT_EQ(f.tank->SuggestedSourceY, 0);
  EXPECT_EQ(image.Pixel(30, 119 - 90), RGB(5, 73, 15));  // the handle marker where the source now is
  EXPECT_EQ(f.panel->ShownShape(), 4);
  f.panel->Poll200ms();
  EXPECT_EQ(f.panel->ShownShape(), 0);
  EXPECT_EQ(f.panel->Type1Caption(), "Point Source");
}

}  // namespace
}  // namespace wavora::test
