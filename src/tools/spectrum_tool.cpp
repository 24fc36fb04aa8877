#include "tools/spectrum_tool.h"

#include <algorithm>
#include <cmath>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "tools/spectrum_cp.h"
#include "tools/tool_label.h"

namespace wavora {

namespace {

// Bin of frequency F: 16384 * 0.016 * F.
constexpr double kBinsPerUnit = TSpectrumTransform::kSize * TSpectrumTool::kCyclesPerStep;
constexpr double kLowBin = kBinsPerUnit * TSpectrumTool::kLowFrequency;
constexpr double kBinSpan = kBinsPerUnit * (TSpectrumTool::kHighFrequency - TSpectrumTool::kLowFrequency);
// Below this largest column the normalised display keeps a fixed scale, so noise stays dark.
constexpr double kNormaliseFloor = 5;
constexpr double kGainReference = 200;
constexpr double kNoiseFloor = 0.125;
constexpr double kReadoutDivisor = 3.5;

// Lowers every column by the noise floor, 0.125 of the largest, and returns the lowered largest.
float RemoveNoiseFloor(std::vector<float>& columns, float largest) {
  const float floor = static_cast<float>(kNoiseFloor * largest);
  for (float& column : columns)
    column = static_cast<float>(std::max(double(column) - floor, 0.0));
  return largest - floor;
}

bool IsGain(int32_t value) {
  return value == 0 || value == 1 || value == 2 || value == 4 || value == 8 || value == 16;
}

}  // namespace

const TClassInfo& TSpectrumTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TSpectrumTool>("TSpectrumTool", &TPointTool::StaticClassInfo())
          .Texts(std::string(rs::Spectrometer.english), std::string(rs::SpectrometerDescription.english))
          .Integer("Gain", &TSpectrumTool::GetGain, &TSpectrumTool::SetGain)
          .Integer("IntensityMode", &TSpectrumTool::GetIntensityMode, &TSpectrumTool::SetIntensityMode)
          .Boolean("LinearWavelength", &TSpectrumTool::GetLinearWavelength,
                   &TSpectrumTool::SetLinearWavelength)
          .Build();
  return info;
}

void TSpectrumTool::Init() {
  TPointTool::Init();
  SetX1Percent(30);
  SetY1Percent(50);
  gain_ = 0;
  intensityMode_ = 1;
  linearWavelength_ = false;
  analysisMode_ = kFastButJittery;
  writeIndex_ = 0;
  TextColour = RGB(128, 128, 128);
}

void TSpectrumTool::SetGain(int32_t value) {
  gain_ = IsGain(value) ? value : 0;
}

void TSpectrumTool::SetIntensityMode(int32_t value) {
  intensityMode_ = value >= 0 && value <= 2 ? value : 1;
}

void TSpectrumTool::SetAnalysisMode(int mode) {
  analysisMode_ = std::clamp(mode, 0, 2);
}

void TSpectrumTool::SetCursor(bool active, float position, float height) {
  cursorActive_ = active;
  cursorPosition_ = position;
  cursorHeight_ = height;
}

void TSpectrumTool::Sample(float displacement) {
  if (IsDragging()) return;
  ring_[size_t(writeIndex_)] = displacement;
  writeIndex_ = (writeIndex_ + 1) % TSpectrumTransform::kSize;
}

void TSpectrumTool::Reset() {
  std::fill(ring_.begin(), ring_.end(), 0.0f);
  writeIndex_ = 0;
}

std::unique_ptr<TControlPanelModel> TSpectrumTool::CreateControlPanel() {
  return std::make_unique<TSpectrumToolCP>(*this);
}

void TSpectrumTool::UpdateControlPanel(TBaseCPFrame& panel) {
  TPointTool::UpdateControlPanel(panel);
  auto* spectrum = dynamic_cast<TSpectrumToolCP*>(&panel);
  if (!spectrum) return;
  TFastDIB& image = *spectrum->SnapshotImage();
  if (image.IsEmpty()) return;
  DrawPanel(*spectrum, image);
}

double TSpectrumTool::ColumnBin(int x, int width) const {
  if (linearWavelength_) {
    const double period = kLongPeriod - (kLongPeriod - kShortPeriod) * double(x) / width;
    return TSpectrumTransform::kSize / period;
  }
  return kLowBin + x * (kBinSpan / width);
}

void TSpectrumTool::DrawPanel(TSpectrumToolCP& panel, TFastDIB& image) {
  const int W = image.Width();
  const int H = image.Height();
  colours_.Match(W);
  largest_ = transform_.Run(ring_, writeIndex_, AnalysisLength());
  const int firstBin = RoundHalfEven(ColumnBin(0, W)) - 1;
  // Peak shaping leaves a few columns of the many the spectrum lights; the readings keep them all.
  RemoveNoiseFloor(magnitudes_, FillColumns(magnitudes_, firstBin, W));
  if (analysisMode_ != kRawSpectrum) ShapePeaks(firstBin, RoundHalfEven(ColumnBin(W - 1, W)));
  largest_ = RemoveNoiseFloor(columns_, FillColumns(columns_, firstBin, W));

  double graphScale;
  double colourScale;
  if (gain_ < 1) {
    const bool loud = largest_ >= kNormaliseFloor;
    graphScale = (H - 3) / (loud ? double(largest_) : kNormaliseFloor);
    colourScale = 1 / (loud ? double(largest_) : kNormaliseFloor);
  } else {
    graphScale = double(H - 3) * gain_ / kGainReference;
    colourScale = gain_ / kGainReference;
  }
  TColour graphColour;
  if (intensityMode_ == 2) {
    panel.SetBackground(image, TSpectrumToolCP::kLightGrid);
    graphColour = RGB(100, 50, 50);
  } else {
    panel.SetBackground(image, TSpectrumToolCP::kBlack);
    DrawImage(image, colourScale);
    graphColour = RGB(200, 220, 225);
  }
  if (intensityMode_ != 1) DrawGraph(image, graphScale, graphColour);
  if (cursorActive_) DrawCursor(image);
  panel.SetDisplayMode(intensityMode_);
}

void TSpectrumTool::ShapePeaks(int firstBin, int lastBin) {
  // A peak opens at a bin above the threshold and closes at the first bin below it; it is then
  // written as three bins (0.75, 1, 0.75 of its largest value) with zeros on either side, and every
  // other scanned bin is cleared.
  std::vector<float>& bins = transform_.Magnitudes();
  const double threshold = (linearWavelength_ ? 0.5 : 0.65) * largest_;
  const int first = std::max(firstBin, 2);
  const int last = std::min(lastBin, TSpectrumTransform::kBins - 1);
  bool open = false;
  float peak = 0;
  int peakBin = 0;
  for (int b = first; b <= last; ++b) {
    const float value = bins[size_t(b)];
    bins[size_t(b)] = 0;
    if (!open) {
      if (value > threshold) {
        open = true;
        peak = value;
        peakBin = b;
      }
    } else if (value > peak) {
      peak = value;
      peakBin = b;
    } else if (value < threshold) {
      open = false;
      for (int d = -2; d <= 2; ++d) {
        const double half = d / 2.0;
        bins[size_t(peakBin + d)] = static_cast<float>((1 - half * half) * peak);
      }
    }
  }
}

float TSpectrumTool::FillColumns(std::vector<float>& columns, int firstBin, int width) const {
  const std::vector<float>& bins = transform_.Magnitudes();
  columns.assign(size_t(width), 0.0f);
  int previous = std::max(firstBin, 0);
  float largest = 0;
  for (int x = 0; x < width; ++x) {
    const int hi = std::min(RoundHalfEven(ColumnBin(x, width)), TSpectrumTransform::kBins - 1);
    float value = 0;
    for (int b = previous; b <= hi; ++b)
      value = std::max(value, bins[size_t(b)]);
    columns[size_t(x)] = value;
    largest = std::max(largest, value);
    previous = hi;
  }
  return largest;
}

void TSpectrumTool::DrawImage(TFastDIB& image, double colourScale) const {
  const TSpectrumColours::TChannels& table = linearWavelength_ ? colours_.ramp : colours_.frequency;
  const auto channel = [colourScale](float column, float colour) {
    return static_cast<uint8_t>(std::clamp(RoundHalfEven(column * colourScale * colour), 0, 255));
  };
  const int H = image.Height();
  for (size_t x = 0; x < columns_.size(); ++x) {
    const float column = columns_[x];
    const TColour colour =
        RGB(channel(column, table.red[x]), channel(column, table.green[x]), channel(column, table.blue[x]));
    image.Line(static_cast<int>(x), 0, static_cast<int>(x), H - 1, colour);
  }
}

void TSpectrumTool::DrawGraph(TFastDIB& image, double graphScale, TColour colour) const {
  const int W = image.Width();
  const int H = image.Height();
  if (H < 3) return;
  const auto row = [&](size_t x) {
    return std::clamp((H - 2) - RoundHalfEven(columns_[x] * graphScale), 1, H - 2);
  };
  int previous = row(0);
  for (size_t i = 1; i < columns_.size(); ++i) {
    const int current = row(i);
    const int x = static_cast<int>(i);
    if (x + 1 <= W - 2) image.Line(x, previous, x + 1, current, colour);
    previous = current;
  }
}

double TSpectrumTool::ReadoutValue(float column) const {
  return analysisMode_ == kFastButJittery ? column : column / kReadoutDivisor;
}

double TSpectrumTool::FrequencyAt(double position, int width) const {
  if (linearWavelength_) {
    const double period = kLongPeriod - (kLongPeriod - kShortPeriod) * position / width;
    return 1 / (kCyclesPerStep * period);
  }
  return kLowFrequency + (kHighFrequency - kLowFrequency) * position / (width + 1);
}

void TSpectrumTool::DrawCursor(TFastDIB& image) const {
  const int W = image.Width();
  const int j = std::clamp(RoundHalfEven(cursorPosition_), 0, W - 1);
  image.Line(j, 0, j, image.Height() - 1, RGB(192, 192, 192));
  const double frequency = FrequencyAt(cursorPosition_, W);
  const double length = kWaveSpeed / (kCyclesPerStep * frequency);
  const std::string left = "X=" + OneDecimal(ReadoutValue(columns_[size_t(j)]), "u");
  const std::string right = ReadoutNumber(frequency, 2) + std::string(rs::Hertz) + " (" +
                            OneDecimal(length, "mm") + std::string(rs::InAir) + ") ";
  DrawCaptions(image, left, right);
}

std::vector<TToolReading> TSpectrumTool::Readings() const {
  std::vector<TToolReading> readings;
  const int W = static_cast<int>(magnitudes_.size());
  for (int x = 0; x < W; ++x) {
    const double frequency = FrequencyAt(x, W);
    const auto at =
        static_cast<float>(linearWavelength_ ? kWaveSpeed / (kCyclesPerStep * frequency) : frequency);
    readings.push_back({"spectrum", at, linearWavelength_ ? "mm" : std::string(rs::Hertz),
                        static_cast<float>(ReadoutValue(magnitudes_[size_t(x)])), "u"});
  }
  return readings;
}

}  // namespace wavora
