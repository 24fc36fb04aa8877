#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "image/fast_dib.h"
#include "model/node_registry.h"
#include "model/property_text.h"
#include "saved_tank.h"
#include "sim/general_exciter.h"
#include "sim/general_exciter_cp.h"
#include "sim_test_objects.h"

namespace wavora::test {
namespace {

// A tank of the given size with the empty medium and a general source as its source.
TRef<TGeneralExciter> SourceIn(const TRef<TWater>& tank) {
  if (!NodeRegistry().IsRegistered("TGeneralExciter"))
    NodeRegistry().RegisterNode(&TGeneralExciter::StaticClassInfo());
  const TRef<TGeneralExciter> source = MakeNode<TGeneralExciter>();
  tank->add(source);
  return source;
}

int StepsUntil(TGeneralExciter& source, bool (*done)(const TGeneralExciter&), int limit = 10000) {
  for (int steps = 1; steps <= limit; ++steps) {
    source.Apply();
    if (done(source)) return steps;
  }
  return -1;
}

// ---------------------------------------------------------------------------------------------
// Envelope and pulse

TEST(SourceEnvelope, NewSourceRampsUpOverAboutFiftyStepsWithAGaussianShoulder) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  EXPECT_EQ(source->GetWavelength(), 25.0f);
  EXPECT_NEAR(source->Period(), 35.36f, 0.01f);
  EXPECT_TRUE(source->RampingUp());
  source->Apply();
  // While ramping up the output is held under the plain sine by the Gaussian shoulder.
  EXPECT_LE(std::fabs(source->Out1()), std::fabs(std::sin(double(source->GetPhase()))) * 0.2);
  const int rampSteps = 1 + StepsUntil(*source, [](const TGeneralExciter& s) { return !s.RampingUp(); });
  // 0.02 per step, summed in single precision, passes 1 on the 51st step.
  EXPECT_EQ(rampSteps, 51);
  EXPECT_EQ(source->Envelope(), 1.0f);
  source->Apply();
  EXPECT_EQ(source->Out1(), static_cast<float>(std::sin(double(source->GetPhase()))));
  EXPECT_TRUE(source->GetON());
}

struct TPulseCase {
  float wavelength;
  int fullSteps;
};

class PulseLength : public testing::TestWithParam<TPulseCase> {};

TEST_P(PulseLength, PulseRunsItsFullStepsThenFadesOutAndSwitchesOff) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
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

TEST(SourceEnvelope, SwitchingOffFadesOutAndSwitchingOnRestartsThePhase) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  StepsUntil(*source, [](const TGeneralExciter& s) { return !s.RampingUp(); });
  source->SetON(false);
  EXPECT_TRUE(source->GetON()) << "still fading out";
  const int fade = StepsUntil(*source, [](const TGeneralExciter& s) { return !s.GetON(); });
  EXPECT_NEAR(fade, 25, 1);
  const float phase = source->GetPhase();
  source->Apply();
  EXPECT_EQ(source->GetPhase(), phase) << "an off source does not oscillate";

  source->SetPhase(2.0f);
  source->SetON(true);
  EXPECT_EQ(source->GetPhase(), 0.0f);
  EXPECT_TRUE(source->RampingUp());
}

TEST(SourceEnvelope, PulseChangedWhileRunningFadesOut) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  StepsUntil(*source, [](const TGeneralExciter& s) { return !s.RampingUp(); });
  source->SetOneShot(true);  // the source runs: no new pulse, it fades out
  EXPECT_TRUE(source->RampingDown());
  StepsUntil(*source, [](const TGeneralExciter& s) { return !s.GetON(); });
  EXPECT_FALSE(source->GetOneShot());
}

TEST(SourceEnvelope, ClearingTheFieldRestartsTheRampOfASourceThatIsOn) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  for (int i = 0; i < 80; ++i)
    tank->Step();
  ASSERT_EQ(source->Envelope(), 1.0f);
  tank->ClearField();
  EXPECT_EQ(source->Envelope(), 0.0f);
  EXPECT_TRUE(source->RampingUp());
}

// ---------------------------------------------------------------------------------------------
// Drips

TEST(Drips, RightButtonLiftsTheWaterByThreeTenthsPerStep) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  source->SetON(false);
  source->SetBeamType(TGeneralExciter::kPoint);
  for (int i = 0; i < 3; ++i)
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
    EXPECT_EQ(grid.Cell(49, 61).Velocity, 0.0f);
  }
  tank->Step();
  EXPECT_EQ(source->DripAmplitude(), 1.0f);
  tank->MouseUp(TMouseButton::Right, {}, 50, 40);
  tank->Step();
  EXPECT_NEAR(source->DripAmplitude(), 0.7, 1e-6);
  for (int i = 0; i < 3; ++i)
    tank->Step();
  EXPECT_EQ(source->DripAmplitude(), 0.0f);
}

TEST(Drips, LeftButtonPushesDownAndDripsAtTheEdgeAreNotApplied) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  source->SetON(false);
  tank->SetDripMode(true);
  tank->MouseDown(TMouseButton::Left, {}, 30, 30);
  tank->Step();
  EXPECT_EQ(tank->Grid()->Cell(30, 70).Displacement,
            static_cast<float>(1.5 * static_cast<float>(3.0 * -0.3f)));
  tank->MouseMove({}, 98, 30);  // column 98 = W - 3 is outside
  tank->Step();
  EXPECT_NEAR(source->DripAmplitude(), -0.6, 1e-6);
  EXPECT_EQ(tank->Grid()->Cell(98, 70).Displacement, 0.0f);
}

// ---------------------------------------------------------------------------------------------
// Shapes

TEST(SourceShapes, BeamDrivesRowsWithinEightyNineOfItsCentre) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  EXPECT_EQ(source->BeamColumn(), 40);
  for (int i = 0; i < 20; ++i)
    tank->Step();
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
  const TRef<TWater> tank = MakeTank(120, 120);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  tank->SuggestedBeamRow = 100000;  // a medium asking for a row off the tank
  TFastDIB image(120, 120);
  source->Draw(image);
  EXPECT_EQ(source->Point3().y, 118);
  EXPECT_EQ(tank->SourceRow, 118);
  for (int i = 0; i < 30; ++i)
    tank->Step();
  EXPECT_EQ(tank->Grid()->Cell(12, 119).Displacement, 0.0f);
  EXPECT_NE(tank->Grid()->Cell(12, 118).Displacement, 0.0f);
}

TEST(SourceShapes, LineAddsToTheWholeColumnEdgeRowsIncluded) {
  const TRef<TWater> tank = MakeTank(120, 100);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  source->SetBeamType(TGeneralExciter::kLine);
  for (int i = 0; i < 10; ++i)
    tank->Step();
  const float edge = tank->Grid()->Cell(12, 0).Displacement;
  const float before = tank->Grid()->Cell(12, 50).Displacement;
  source->Apply();
  EXPECT_EQ(tank->Grid()->Cell(12, 0).Displacement, static_cast<float>(edge + 1.5 * source->Out1()));
  EXPECT_EQ(tank->Grid()->Cell(12, 99).Displacement, tank->Grid()->Cell(12, 0).Displacement);
  EXPECT_EQ(tank->Grid()->Cell(12, 50).Displacement, static_cast<float>(before + 1.5 * source->Out1()));
}

TEST(SourceShapes, PointAndDoubleWriteTheirHandleCells) {
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  source->SetBeamType(TGeneralExciter::kPoint);
  for (int i = 0; i < 10; ++i)
    tank->Step();
  const TPoint p1 = source->Point1();
  EXPECT_EQ(tank->Grid()->Cell(p1.x, p1.y).Displacement, static_cast<float>(6.0 * source->Out1()));
  EXPECT_EQ(tank->Grid()->Cell(p1.x, p1.y).Velocity, 0.0f);

  source->SetBeamType(TGeneralExciter::kDouble);
  source->SetDetune(2);
  const float phase1 = source->GetPhase(), phase2 = source->GetPhase2();
  tank->Step();
  const TPoint p2 = source->Point2();
  EXPECT_EQ(tank->Grid()->Cell(p1.x, p1.y).Displacement, static_cast<float>(4.0 * source->Out1()));
  EXPECT_EQ(tank->Grid()->Cell(p2.x, p2.y).Displacement, static_cast<float>(4.0 * source->Out2()));
  // The second oscillator runs at Detune times the frequency.
  EXPECT_NEAR(source->GetPhase2() - phase2, 2 * (source->GetPhase() - phase1), 1e-5);
}

// ---------------------------------------------------------------------------------------------
// The moving source

class DopplerLanding : public testing::TestWithParam<float> {};

TEST_P(DopplerLanding, SourceTravelsToItsTargetLandsOnItAndStays) {
  const TRef<TWater> tank = MakeTank(120, 120);
  const TRef<TGeneralExciter> source = SourceIn(tank);
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
    const double left = target.x - source->DopplerX();
    ASSERT_LT(std::fabs(left), previous) << "the source never moves away from its target";
    previous = std::fabs(left);
  }
  EXPECT_NEAR(steps, expectedSteps, 1);
  for (int i = 0; i < 5; ++i)
    source->Excite();
  EXPECT_EQ(source->DopplerX(), float(target.x));
  EXPECT_EQ(source->DopplerY(), float(target.y));
}

INSTANTIATE_TEST_SUITE_P(MachNumbers, DopplerLanding, testing::Values(0.2f, 0.6f, 1.2f, 2.0f, 1000.0f));

TEST(DopplerSource, PushesVelocityWithAGaussianAroundItsPosition) {
  const TRef<TWater> tank = MakeTank(120, 120);
  const TRef<TGeneralExciter> source = SourceIn(tank);
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

TEST(SourceSuggestion, MediumMovesThePointSourceOnTheNextDraw) {
  const TRef<TWater> tank = MakeTank(120, 120);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  tank->SuggestedBeamType = TGeneralExciter::kPoint;
  tank->SuggestedSourceX = 30;
  tank->SuggestedSourceY = 90;
  TFastDIB image(120, 120);
  tank->DrawOnly(image);
  EXPECT_EQ(source->GetBeamType(), TGeneralExciter::kPoint);
  EXPECT_EQ(source->Point1(), (TPoint{30, 90}));
  EXPECT_EQ(tank->SourceRow, 90);
  EXPECT_EQ(tank->SuggestedBeamType, -1);
  EXPECT_EQ(tank->SuggestedSourceX, 0);
  EXPECT_EQ(tank->SuggestedSourceY, 0);
  // The handle marker is drawn where the source now is.
  EXPECT_EQ(image.Pixel(30, 119 - 90), RGB(5, 73, 15));
}

TEST(SourcePointer, BeamIsDraggedUpAndDownOnly) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  // Press on the beam 50 cells above its centre, drag right and down.
  tank->MouseDown(TMouseButton::Left, {}, 40, 400 - 250);
  ASSERT_TRUE(tank->CapturedObject());
  tank->MouseMove({}, 80, 400 - 230);
  tank->MouseUp(TMouseButton::Left, {}, 80, 400 - 230);
  EXPECT_EQ(source->Point3(), (TPoint{40, 180}));
  EXPECT_TRUE(source->GetActiveTool());
}

TEST(SourcePointer, DoubleSourceTakesItsPointsButNotTheSegmentBetween) {
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TGeneralExciter> source = SourceIn(tank);
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
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TGeneralExciter> source = SourceIn(tank);
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
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  source->SetBeamType(TGeneralExciter::kDoppler);
  source->DopplerRestart();
  source->SetY1Percent(30);
  for (int i = 0; i < 10; ++i)
    tank->Step();
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
  const std::vector<std::string> names = {"Point Source", "Beam Source", "Line Source", "Double Source",
                                          "Doppler Source"};
  const std::vector<int32_t> kinds = {1, 4, 7, 2, 1};
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
  const TRef<TWater> tank = MakeTank(401, 401);
  const TRef<TGeneralExciter> source = SourceIn(tank);
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
  for (int i = 0; i < 7; ++i)
    tank->Step();
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
  const TRef<TWater> tank = MakeTank(101, 101);
  const TRef<TGeneralExciter> source = SourceIn(tank);
  source->SetON(false);
  source->SetOneShot(true);  // a pulse starts ...
  source->SetON(false);      // ... and is switched off before any step: nothing to fade out
  EXPECT_FALSE(source->GetOneShot());
  const std::string saved = SavedText(*tank);
  const TRef<TWater> loaded = Reloaded(*tank);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(SavedText(*loaded), saved);
}

// Values no panel produces, as a hand-edited file may hold them: the source must keep every write
// inside the grid and never stall.
struct TAbsurdCase {
  const char* property;
  const char* text;
};

class AbsurdFileValue : public testing::TestWithParam<TAbsurdCase> {};

TEST_P(AbsurdFileValue, EveryShapeRunsWithinTheGrid) {
  for (int32_t shape = 0; shape < TGeneralExciter::kShapeCount; ++shape) {
    const TRef<TWater> tank = MakeTank(60, 50);
    const TRef<TGeneralExciter> source = SourceIn(tank);
    source->SetBeamType(shape);
    SetPropertyFromText(*source, GetParam().property, GetParam().text, false);
    tank->SetSize(60, 50);  // lays the handles out from the stored percentages
    TFastDIB image(60, 50);
    for (int i = 0; i < 120; ++i)
      tank->StepAndDraw(image);
    const TWaterGrid& grid = *tank->Grid();
    for (int32_t x = 0; x < 60; ++x) {
      for (int32_t y = 0; y < 50; ++y) {
        ASSERT_TRUE(std::isfinite(grid.Cell(x, y).Displacement)) << shape << " " << x << "," << y;
        ASSERT_TRUE(std::isfinite(grid.Cell(x, y).Velocity)) << shape << " " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Values, AbsurdFileValue,
                         testing::Values(TAbsurdCase{"Wavelength", "0"}, TAbsurdCase{"Wavelength", "-25"},
                                         TAbsurdCase{"Wavelength", "3E38"}, TAbsurdCase{"Detune", "1E30"},
                                         TAbsurdCase{"Detune", "-3E38"}, TAbsurdCase{"Phase", "3E38"},
                                         TAbsurdCase{"Phase2", "-3E38"}, TAbsurdCase{"Phase3", "1E20"},
                                         TAbsurdCase{"DopplerSpeed", "3E38"},
                                         TAbsurdCase{"DopplerSpeed", "-5"},
                                         TAbsurdCase{"BeamType", "-2147483648"},
                                         TAbsurdCase{"X1Percent", "3E38"}, TAbsurdCase{"Y1Percent", "-3E38"},
                                         TAbsurdCase{"X2Percent", "1E9"}, TAbsurdCase{"Y2Percent", "-1E9"}));

TEST(SourceFile, WavelengthIsHeldToWhatTheStepCanRun) {
  const TRef<TGeneralExciter> source = MakeNode<TGeneralExciter>();
  source->SetWavelength(0);
  EXPECT_EQ(source->GetWavelength(), TGeneralExciter::kMinWavelength);
  source->SetWavelength(std::nanf(""));
  EXPECT_EQ(source->GetWavelength(), TGeneralExciter::kMinWavelength);
  source->SetWavelength(1e30f);
  EXPECT_EQ(source->GetWavelength(), TGeneralExciter::kMaxWavelength);
  EXPECT_GT(source->PulseLength(), 0);
}

}  // namespace
}  // namespace wavora::test
