#include "tools/timer_tool.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "tools/tick_clock.h"
#include "tools/tool_label.h"

namespace wavora {

namespace {

constexpr int kDotRadius = 4;
constexpr int kDotReach = 12;  // a click this close to the label's right edge resets

}  // namespace

const TClassInfo& TTimerTool::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTimerTool>("TTimerTool", &TBaseTool::StaticClassInfo())
          .Texts(std::string(rs::Stopwatch.english), std::string(rs::StopwatchDescription.english))
          .Integer("AccumulatedTime", &TTimerTool::GetAccumulatedTime, &TTimerTool::SetAccumulatedTime)
          .SessionState()
          .Boolean("IsFrozen", &TTimerTool::GetIsFrozen, &TTimerTool::SetIsFrozen)
          .SessionState()
          .Integer("LastKnownOnTime", &TTimerTool::GetLastKnownOnTime, &TTimerTool::SetLastKnownOnTime)
          .SessionState()
          .Integer("StartTime", &TTimerTool::GetStartTime, &TTimerTool::SetStartTime)
          .SessionState()
          .Boolean("TurnedOff", &TTimerTool::GetTurnedOff, &TTimerTool::SetTurnedOff)
          .SessionState()
          .Single("X1Percent", &TTimerTool::GetX1Percent, &TTimerTool::SetX1Percent)
          .Single("Y1Percent", &TTimerTool::GetY1Percent, &TTimerTool::SetY1Percent)
          .Build();
  return info;
}

int32_t TTimerTool::Now() {
  // The tick count's bits as the saved 32-bit integer; differences are taken modulo 2^32.
  return static_cast<int32_t>(StopwatchClock().Now());
}

int64_t TTimerTool::Stretch(int32_t from, int32_t to) {
  const auto ticks = static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
  return std::max<int64_t>(ticks, 0);
}

void TTimerTool::Init() {
  TBaseTool::Init();
  SetSnapToGrid(false);
  SetX1Percent(2);
  SetY1Percent(0);
  startTime_ = lastKnownOnTime_ = Now();
  accumulatedTime_ = 0;
  turnedOff_ = true;
}

void TTimerTool::Reset() {
  startTime_ = lastKnownOnTime_ = Now();
  accumulatedTime_ = 0;
}

int64_t TTimerTool::ElapsedMs() const {
  return Stretch(startTime_, lastKnownOnTime_) + std::max(accumulatedTime_, 0);
}

std::string TTimerTool::TimeText(int64_t elapsedMs) {
  const int64_t t = std::max<int64_t>(elapsedMs, 0) / 10;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d.%02d", int(t / 6000 % 100), int(t / 100 % 60), int(t % 100));
  return LocalDecimals(text);
}

void TTimerTool::AfterStep() {
  if (turnedOff_) return;
  if (frozen_) {
    const int64_t total = int64_t{std::max(accumulatedTime_, 0)} + Stretch(startTime_, lastKnownOnTime_);
    accumulatedTime_ = static_cast<int32_t>(std::min<int64_t>(total, std::numeric_limits<int32_t>::max()));
    frozen_ = false;
    startTime_ = lastKnownOnTime_ = Now();
  } else {
    lastKnownOnTime_ = Now();
  }
  stepped_ = true;
}

void TTimerTool::Draw(TFastDIB& image) {
  if (!stepped_) frozen_ = true;
  stepped_ = false;
  const std::string text = ReadOut();
  if (const std::optional<TLabelBox> box = LabelRect(image, text + " R", X1 - 10.0, Y1, X1 - 10.0, Y1 + 1.0))
    label_ = *box;
  image.TextOut(label_.left, label_.top, text, LabelTextColour(GetActiveTool()));
  if (GetActiveTool())
    image.FillCircle(label_.right - kDotRadius, label_.top + (label_.bottom - label_.top) / 2, kDotRadius,
                     RGB(255, 0, 0));
}

bool TTimerTool::HitBody(int32_t x, int32_t y) const {
  return LabelHit(label_, H(), x, y);
}

void TTimerTool::MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) {
  TBaseTool::MouseDown(button, shift, handled, X, Y);
  if (!handled) return;
  pressed_ = true;
  press_ = {X, Y};
}

void TTimerTool::MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  TBaseTool::MouseUp(button, shift, X, Y);
  if (!pressed_) return;
  pressed_ = false;
  if (!NearPoint(X, Y, press_)) return;
  if (press_.x > label_.right - kDotReach) {
    Reset();
  } else {
    turnedOff_ = !turnedOff_;
  }
}

std::string TTimerTool::ReadOut() const {
  return TimeText(ElapsedMs());
}

std::vector<TToolReading> TTimerTool::Readings() const {
  return {{"elapsed", std::nullopt, "", static_cast<float>(double(ElapsedMs()) / 1000), "s"}};
}

}  // namespace wavora
