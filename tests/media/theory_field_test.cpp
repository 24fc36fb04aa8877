#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "document/class_registration.h"
#include "media/slits_mapper.h"
#include "sim/general_exciter.h"
#include "sim/ri_map.h"
#include "sim/theory_drawing.h"
#include "sim/water.h"

// The theory overlay judged against the simulated field: the lines it draws must lie where the waves
// really are, within what the grid allows.

namespace wavora::test {
namespace {

TRef<TWater> Tank(const TClassInfo& medium, int32_t width, int32_t height) {
  RegisterClasses();
  const TRef<TWater> tank = MakeNode<TWater>();
  tank->SetSize(width, height);
  tank->SetRIMapClass(medium);
  return tank;
}

TGeneralExciter& Source(TWater& tank) {
  return static_cast<TGeneralExciter&>(*tank.GetExciter());
}

double Angle(const TTheoryLine& line) {
  return std::atan2(line.y2 - line.y1, line.x2 - line.x1);
}

// The time-averaged intensity of a double slit along an arc beyond it peaks where the overlay draws
// the maxima d sin(theta) = m lambda; the law ignores the grid's dispersion, which bends the orders
// by a fraction of a degree at this wavelength.
TEST(TheoryAgainstField, DoubleSlitMaximaPassThroughTheIntensityPeaks) {
  const TRef<TWater> tank = Tank(TSlitsRIMapper::StaticClassInfo(), 401, 401);
  auto& slits = static_cast<TSlitsRIMapper&>(*tank->GetRIMap());
  slits.SetNumber(2);
  slits.SetWidth(8);
  slits.SetSpace(42);  // d = 50 cells
  TGeneralExciter& source = Source(*tank);
  source.SetBeamType(TGeneralExciter::kLine);
  source.SetWavelength(16);  // lambda / d = 0.32: orders at 18.7 and 39.8 degrees

  const TTheoryFigure figure = TankTheory(*tank);
  ASSERT_EQ(figure.lines.size(), 7u);  // m = -3 ... 3
  const double cx = figure.lines[0].x1, cy = figure.lines[0].y1;
  constexpr double kRadius = 150;
  constexpr double kStep = 0.25 * std::numbers::pi / 180;
  std::vector<double> intensity(401, 0.0);  // angles -50 ... 50 degrees
  for (int step = 0; step < 900; ++step) {
    tank->Step();
    if (step < 700) continue;
    for (size_t i = 0; i < intensity.size(); ++i) {
      const double theta = (double(i) - 200) * kStep;
      const auto x = static_cast<int32_t>(std::lround(cx + kRadius * std::cos(theta)));
      const auto y = static_cast<int32_t>(std::lround(cy + kRadius * std::sin(theta)));
      const double h = tank->Grid()->Cell(x, y).Displacement;
      intensity[i] += h * h;
    }
  }
  // Each drawn order within the arc's span meets a peak of the intensity within 4 cells of arc.
  int checked = 0;
  for (const TTheoryLine& line : figure.lines) {
    const double predicted = Angle(line);
    if (std::abs(predicted) > 45 * kStep * 4) continue;
    const auto centre = static_cast<int>(std::lround(predicted / kStep)) + 200;
    int peak = centre;
    for (int i = centre - 12; i <= centre + 12; ++i) {
      if (intensity[size_t(i)] > intensity[size_t(peak)]) peak = i;
    }
    const double apart = std::abs(peak - centre) * kStep * kRadius;
    EXPECT_LT(apart, 4.0) << "order at " << predicted * 180 / std::numbers::pi << " degrees";
    // A real maximum, not the window's edge sliding down a flank.
    EXPECT_GT(intensity[size_t(peak)], intensity[size_t(peak - 12)]);
    EXPECT_GT(intensity[size_t(peak)], intensity[size_t(peak + 12)]);
    ++checked;
  }
  EXPECT_EQ(checked, 5);
}

// Faster than its waves, the moving source drags a cone whose edge is where the disturbed water
// ends: behind the source, across its path, the outermost disturbed cell lies on the drawn lines (up
// to 3 cells inside them; further back than the source has run at full strength, the edge fades).
TEST(TheoryAgainstField, MachConeLiesOnTheEdgeOfTheDisturbedWater) {
  const TRef<TWater> tank = Tank(TNoneRIMap::StaticClassInfo(), 401, 401);
  TGeneralExciter& source = Source(*tank);
  source.SetBeamType(TGeneralExciter::kDoppler);
  source.SetWavelength(12);
  source.SetDopplerSpeed(1.5);
  source.DopplerRestart();
  for (int step = 0; step < 220; ++step)
    tank->Step();

  const TTheoryFigure figure = TankTheory(*tank);
  std::vector<TTheoryLine> cone;
  for (const TTheoryLine& line : figure.lines) {
    if (line.x1 == source.DopplerX() && line.y1 == source.DopplerY()) cone.push_back(line);
  }
  ASSERT_EQ(cone.size(), 2u);
  const double px = source.DopplerX(), py = source.DopplerY();
  for (const TTheoryLine& line : cone) {
    const double slope = (line.y2 - line.y1) / (line.x2 - line.x1);
    const int side = line.y2 > line.y1 ? 1 : -1;
    for (int back = 30; back <= 120; back += 30) {
      const auto x = static_cast<int32_t>(std::lround(px - back));
      int edge = 0;  // rows from the path to the outermost disturbed cell of the column
      for (int k = 0; k < 190; ++k) {
        if (std::abs(tank->Grid()->Cell(x, static_cast<int32_t>(std::lround(py)) + side * k).Displacement) >
            0.01)
          edge = k;
      }
      const double predicted = std::abs(slope * (x - px));
      EXPECT_NEAR(edge, predicted, 4.0) << back << " cells behind the source";
    }
  }
}

}  // namespace
}  // namespace wavora::test
