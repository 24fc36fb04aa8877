#include <gtest/gtest.h>

#include <algorithm>

#include "image/fast_dib.h"
#include "point_tool_rig.h"
#include "tools/spectrum_cp.h"
#include "tools/spectrum_tool.h"

namespace wavora {
namespace {

using TSpectrumRig = TPointToolRig<TSpectrumTool, TSpectrumToolCP>;

// The largest of a panel's readings.
TToolReading Peak(const std::vector<TToolReading>& readings) {
  return *std::max_element(readings.begin(), readings.end(),
                           [](const TToolReading& a, const TToolReading& b) { return a.value < b.value; });
}

TEST(Spectrum, LargestColumnLiesAtTheSourceFrequency) {
  // 0.7071 / (0.016 * wavelength), within a column of 8.5 / 417
  for (const auto& [wavelength, frequency] : {std::pair{25.0f, 1.77f}, {15.0f, 2.95f}}) {
    TSpectrumRig rig(wavelength);
    rig.Steps(1000);
    rig.Update();
    EXPECT_NEAR(*Peak(rig.tool->Readings()).x, frequency, 8.5f / 417) << wavelength;
  }
}

TEST(Spectrum, WindowHasThreeCosineTermsWithoutAConstant) {
  const TSpectrumTransform transform;
  for (const auto& [i, w] : {std::pair{0, 0.51171f}, {250, 0.50699f}, {899, 0.45261f}})
    EXPECT_NEAR(transform.Window(i), w, 1e-5f) << i;
}

TEST(Spectrum, ShapedModesShowThreeBinPeaksAndTheReadingsKeepEveryMagnitude) {
  TSpectrumRig rig;
  rig.Steps(1000);
  for (const int mode : {0, 1, 2}) {
    rig.tool->SetAnalysisMode(mode);
    rig.Update();
    const std::vector<float>& columns = rig.tool->Columns();
    const auto lit = std::count_if(columns.begin(), columns.end(), [](float column) { return column > 0; });
    if (mode == 2) {
      EXPECT_GT(lit, 5) << "the raw spectrum is unshaped";
    } else {
      EXPECT_LE(lit, 4) << mode;  // three bins of one peak, over at most four columns
    }
    // The readings carry the unshaped spectrum in every mode, valued as the cursor reads a column:
    // divided by 3.5 unless fast.
    const std::vector<TToolReading> readings = rig.tool->Readings();
    const auto litReadings = std::count_if(readings.begin(), readings.end(),
                                           [](const TToolReading& reading) { return *reading.value > 0; });
    EXPECT_GT(litReadings, 5) << mode;
    const float divisor = mode == 0 ? 1.0f : 3.5f;
    EXPECT_FLOAT_EQ(*Peak(readings).value * divisor, *std::max_element(columns.begin(), columns.end()))
        << mode;
  }
}

TEST(Spectrum, WavelengthAxisReadsWavelengthsInMmFromPeriod75Down) {
  TSpectrumRig rig;
  rig.tool->SetLinearWavelength(true);
  rig.tool->SetIntensityMode(2);          // the graph alone, over the light grid
  rig.tool->SetCursor(true, 1000, 0.5f);  // right of the panel: on its last column
  rig.Steps(1000);
  rig.Update();
  const std::vector<TToolReading> readings = rig.tool->Readings();
  EXPECT_EQ(readings.front().xUnit, "mm");
  EXPECT_FLOAT_EQ(*readings.front().x, 75 * 0.7071f);
  // The source's wavelength, within two columns of 70 / 417 steps at 0.7071 mm a step.
  EXPECT_NEAR(*Peak(rig.tool->Readings()).x, 25, 2 * 70.0 / 417 * 0.7071);
}

TEST(Spectrum, PopupChecksTheCurrentSettingsAndChoicesReachTheTool) {
  TSpectrumRig rig;
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup()) {
    if (entry.name == "EqualspacedWavelength1" || entry.name == "x8Gain1" || entry.name == "RawSpectrum1" ||
        entry.name == "ShowGraphonly1")
      rig.panel->PopupMenuClick(entry);
  }
  EXPECT_TRUE(rig.tool->GetLinearWavelength());
  EXPECT_EQ(rig.tool->GetGain(), 8);
  EXPECT_EQ(rig.tool->AnalysisMode(), 2);
  EXPECT_EQ(rig.tool->GetIntensityMode(), 2);
  std::vector<std::string> checked;
  for (const TPanelMenuEntry& entry : rig.panel->PopupMenu1Popup())
    if (entry.checked) checked.push_back(entry.name);
  EXPECT_EQ(checked, (std::vector<std::string>{"ShowGraphonly1", "RawSpectrum1", "EqualspacedWavelength1",
                                               "x8Gain1"}));
}

}  // namespace
}  // namespace wavora
