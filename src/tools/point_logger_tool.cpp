#include "tools/point_logger_tool.h"

#include <algorithm>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "tools/point_logger_cp.h"
#include "tools/tool_label.h"

namespace wavora {

namespace {

constexpr TColour kPenLight = RGB(192, 192, 192);
constexpr TColour kPenDark = RGB(0, 0, 0);

bool IsGain(int32_t value) {
  return value == 1 || value == 2 || value == 4 || value == 8 || value == 16;
}

}  // namespace

const TClassInfo& TPointLoggerTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TPointLoggerTool>("TPointLoggerTool", &TPointTool::StaticClassInfo())
          .Texts(std::string(rs::PaperTapeLogger.english),
                 std::string(rs::PaperTapeLoggerDescription.english))
          .Integer("Gain", &TPointLoggerTool::GetGain, &TPointLoggerTool::SetGain)
          .Build();
  return info;
}

void TPointLoggerTool::Init() {
  TPointTool::Init();
  SetX1Percent(65);
  SetY1Percent(50);
  recording_ = true;
  gain_ = 1;
  previousSample_ = 0;
  columnClock_ = 0;
  stepClock_ = 0;
}

void TPointLoggerTool::SetGain(int32_t value) {
  gain_ = IsGain(value) ? value : 1;
}

void TPointLoggerTool::SetRecording(bool recording) {
  recording_ = recording;
  scrollOffset_ = 0;
}

void TPointLoggerTool::Clear() {
  tape_.Clear();
  columnClock_ = 0;
  previousSample_ = 0;
  stepClock_ = 0;
  scrollOffset_ = 0;
}

void TPointLoggerTool::ScrollTo(int offset, int viewWidth) {
  scrollOffset_ = std::max(std::min(offset, tape_.Width() - viewWidth), 0);
}

void TPointLoggerTool::Sample(float displacement) {
  if (tape_.IsEmpty()) return;
  stepped_ = true;
  if (recording_ && !IsDragging()) Record(displacement);
}

void TPointLoggerTool::Record(float sample) {
  // A step is 16 ms and a column 10 ms, so a step writes one or two columns. The first is
  // interpolated between this step's sample and the last one; a second one gets the sample itself.
  const int t = stepClock_ + kStepMs;
  while (t > columnClock_ + kColumnMs) {
    columnClock_ += kColumnMs;
    const double fraction = double(columnClock_ - stepClock_) / kStepMs;
    tape_.Advance(static_cast<float>(previousSample_ + (double(sample) - previousSample_) * fraction), gain_);
    previousSample_ = sample;
  }
  stepClock_ = t;
}

std::unique_ptr<TControlPanelModel> TPointLoggerTool::CreateControlPanel() {
  return std::make_unique<TPointLoggerCP>(*this);
}

void TPointLoggerTool::UpdateControlPanel(TBaseCPFrame& panel) {
  TPointTool::UpdateControlPanel(panel);
  auto* logger = dynamic_cast<TPointLoggerCP*>(&panel);
  if (!logger) return;
  TFastDIB& image = *logger->SnapshotImage();
  if (image.IsEmpty()) return;
  const int width = TPaperTape::WidthFor(image.Width(), image.Height());
  if (tape_.Width() != width || tape_.Height() != image.Height()) {
    tape_.SetSize(width, image.Height());
    Clear();
    return;
  }
  if (recording_ && stepped_) scrollOffset_ = 0;
  DrawView(image);
  logger->SetMayDrag(!stepped_);
  stepped_ = false;
}

void TPointLoggerTool::DrawView(TFastDIB& image) const {
  const int W = image.Width();
  const int H = image.Height();
  const int tapeWidth = tape_.Width();
  // The pen's column lands at x = 15, the blank columns ahead of it at 0 ... 14.
  int column =
      ((tape_.WriteColumn() - TPaperTape::kLead + scrollOffset_) % tapeWidth + tapeWidth) % tapeWidth;
  for (int x = 0; x < W;) {
    const int run = std::min(W - x, tapeWidth - column);
    image.CopyRect(x, 0, tape_.Image(), column, 0, run, H);
    x += run;
    column = 0;
  }
  for (int x = 0; x < std::min(TPaperTape::kShadow, W); ++x) {
    for (int y = 0; y < H; ++y)
      image.SetPixel(x, y, TPaperTape::Shaded(image.Pixel(x, y), x));
  }
  // The pen: a grey shadow below and to the left, the black pen above, meeting at the trace.
  const int p = tape_.PenRow();
  if (p >= -4 && p <= H - 7) image.Line(4, p + 5, 14, p + 5, kPenLight);
  if (p >= 6 && p <= H + 3) image.Line(1, p - 5, 13, p - 5, kPenDark);
  if (p >= 1 && p <= H - 7) image.Line(14, p + 5, 15, p, kPenLight);
  if (p >= 4 && p <= H - 1) image.Line(13, p - 5, 15, p, kPenDark);

  const std::string text = ReadoutNumber((columnClock_ - double(kColumnMs) * scrollOffset_) / 1000, 2) + "s";
  const TTextExtent extent = image.TextExtent(text);
  image.TextOut(W - extent.width, H - extent.height, text, RGB(128, 128, 128));
}

std::vector<TToolReading> TPointLoggerTool::Readings() const {
  std::vector<TToolReading> readings;
  if (tape_.IsEmpty()) return readings;
  const int count = tape_.ColumnsWritten();
  for (int age = count - 1; age >= 0; --age) {
    const int column = (tape_.WriteColumn() + age) % tape_.Width();
    readings.push_back({"displacement", static_cast<float>(columnClock_ - kColumnMs * age), "ms",
                        static_cast<float>(DisplacementMm(tape_.ValueAt(column))), "mm"});
  }
  return readings;
}

}  // namespace wavora
