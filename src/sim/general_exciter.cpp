#include "sim/general_exciter.h"

#include <algorithm>
#include <cmath>

#include "image/fast_dib.h"
#include "sim/general_exciter_cp.h"
#include "sim/resource_strings.h"
#include "sim/rounding.h"
#include "sim/scene_drawing.h"
#include "sim/theory_physics.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kPi = 3.141592653589793;
// Within this distance the moving source snaps onto its target.
constexpr double kDopplerSnap = 0.3;

// A finite value, or the fallback for anything a computation could not use.
float Finite(float value, float fallback) {
  return std::isfinite(value) ? value : fallback;
}

// Phases from a file beyond this are first reduced in one go: the turn-by-turn wrap below would take
// for ever on them, and a single that large has lost the fraction that makes the wave.
constexpr double kPhaseLimit = kTwoPi * 1024;

// One oscillator step. The phase is a single: the sum is stored, then 2 pi is taken off the stored
// value while it lies above 2 pi, each difference stored again. These roundings shape the emitted
// wave, so wrapping the unrounded sum instead would let the wave drift in its last bits.
float Advance(float phase, double increment) {
  double sum = static_cast<double>(phase) + increment;
  if (std::fabs(sum) > kPhaseLimit) {
    sum = std::fmod(sum, kTwoPi);
    if (sum < 0) sum += kTwoPi;
  }
  float p = static_cast<float>(sum);
  while (p > kTwoPi)
    p = static_cast<float>(p - kTwoPi);
  return p;
}

bool IsInterior(const TWaterGrid& grid, int32_t x, int32_t y) {
  return x >= 1 && y >= 1 && x <= grid.Width() - 2 && y <= grid.Height() - 2;
}

}  // namespace

const TClassInfo& TGeneralExciter::StaticClassInfo() {
  using T = TGeneralExciter;
  static const TClassInfo info =
      TClassBuilder<T>("TGeneralExciter", &TBaseExciter::StaticClassInfo())
          .Texts(std::string(rs::WaveSource.english), std::string(rs::WaveSourceDescription.english))
          .Single("Detune", &T::GetDetune, &T::SetDetune)
          .Single("Wavelength", &T::GetWavelength, &T::SetWavelength)
          .Single("Phase", &T::GetPhase, &T::SetPhase)
          .SessionState()
          .Boolean("ON", &T::GetON, &T::SetON)
          .Boolean("OneShot", &T::GetOneShot, &T::SetOneShot)
          .Single("Phase2", &T::GetPhase2, &T::SetPhase2)
          .SessionState()
          .Single("Phase3", &T::GetPhase3, &T::SetPhase3)
          .SessionState()
          .Single("DopplerSpeed", &T::GetDopplerSpeed, &T::SetDopplerSpeed)
          .Integer("BeamType", &T::GetBeamType, &T::SetBeamType, kBeam)
          .Boolean("Harmonics", &T::GetHarmonics, &T::SetHarmonics)
          .Boolean("UseFreq", &T::GetUseFreq, &T::SetUseFreq)
          .Single("X1Percent", &T::GetX1Percent, &T::SetX1Percent)
          .Single("Y1Percent", &T::GetY1Percent, &T::SetY1Percent)
          .Single("X2Percent", &T::GetX2Percent, &T::SetX2Percent)
          .Single("Y2Percent", &T::GetY2Percent, &T::SetY2Percent)
          .Build();
  return info;
}

void TGeneralExciter::Init() {
  TBaseExciter::Init();
  SetWavelength(25);
  SetON(true);
  phase_ = phase2_ = phase3_ = 0;
  oneShot_ = false;
  out1_ = 0;
  rampingUp_ = true;
  rampingDown_ = false;
  envelope_ = 0;
  detune_ = 1;
  SetBeamType(kBeam);
  SetX1Percent(10);
  SetY1Percent(50);
  SetX2Percent(90);
  SetY2Percent(50);
  SetX3Percent(10);
  SetY3Percent(50);
  SetSnapToGrid(false);
  dopplerSpeed_ = 0.6f;
}

void TGeneralExciter::GeometryChanged() {
  TBaseExciter::GeometryChanged();
  beamColumn_ = RoundHalfEven(static_cast<double>(W()) * 10 * 0.01);
  X3 = beamColumn_;
  // A moving source laid out anew (opened, pasted, resized) starts again where the panel's restart
  // puts it and travels towards its target, so a saved lesson replays; a position left over from
  // another grid would mean nothing on this one.
  if (beamType_ == kDoppler) StartDopplerFromTheLeft();
  SetSourceRow(Y1);
}

void TGeneralExciter::Reset() {
  rampingDown_ = false;
  envelope_ = 0;
  if (on_) rampingUp_ = true;
}

void TGeneralExciter::SetDetune(float value) {
  detune_ = Finite(value, 1);
}

void TGeneralExciter::SetWavelength(float value) {
  // Not a number counts as the shortest wave.
  wavelength_ = value >= kMinWavelength ? std::min(value, kMaxWavelength) : kMinWavelength;
  period_ = static_cast<float>(wavelength_ / kWaveSpeed);
}

void TGeneralExciter::SetPhase(float value) {
  phase_ = Finite(value, 0);
}

void TGeneralExciter::SetPhase2(float value) {
  phase2_ = Finite(value, 0);
}

void TGeneralExciter::SetPhase3(float value) {
  phase3_ = Finite(value, 0);
}

void TGeneralExciter::SetON(bool value) {
  if (value) {
    on_ = true;
    out1_ = 0;
    phase_ = 0;
  } else if (envelope_ == 0) {
    // Nothing to fade out: off at once, and no longer a pulse, as when a fade ends. A switched-off
    // source read from a file then stays off even when it is saved again before it has been stepped,
    // and sends out no last flicker; a pulse left set would switch it on again when read back.
    on_ = false;
    oneShot_ = false;
  }
  rampingUp_ = value;
  rampingDown_ = !value && on_;
}

void TGeneralExciter::SetOneShot(bool value) {
  if (value == oneShot_) return;
  oneShot_ = value;
  if (value && !on_) {
    on_ = true;
    rampingUp_ = true;
    rampingDown_ = false;
    out1_ = 0;
    phase_ = 0;
  } else {
    rampingUp_ = false;
    rampingDown_ = true;
  }
}

void TGeneralExciter::SetDopplerSpeed(float value) {
  dopplerSpeed_ = Finite(value, 0.6f);
}

void TGeneralExciter::SetBeamType(int32_t value) {
  beamType_ = value >= 0 && value < kShapeCount ? value : kBeam;
  if (beamType_ == kDoppler) PlaceDopplerOnTarget();
}

int32_t TGeneralExciter::PulseLength() const {
  return RoundHalfEven(std::sqrt(std::sqrt(static_cast<double>(wavelength_))) * 20);
}

std::string TGeneralExciter::ListName() const {
  switch (beamType_) {
    case kPoint:
      return std::string(rs::PointSource);
    case kLine:
      return std::string(rs::LineSource);
    case kDouble:
      return std::string(rs::DoubleSource);
    case kDoppler:
      return std::string(rs::DopplerSource);
    default:
      return std::string(rs::BeamSource);
  }
}

void TGeneralExciter::Apply() {
  if (on_ || rampingDown_) {
    // Envelope gain: a Gaussian shoulder over the ramp, 1 while running. The envelope is a single, and
    // the ramp's end is judged on the stored value.
    double gain = 1;
    if (rampingDown_) {
      envelope_ = static_cast<float>(envelope_ - 1.0 / wavelength_);
      if (envelope_ < 0) {
        rampingDown_ = false;
        on_ = false;
        oneShot_ = false;
        envelope_ = 0;
      }
      const double rest = 1.0 - envelope_;
      gain = std::exp(-rest * rest / 0.25);
    } else if (rampingUp_) {
      envelope_ = static_cast<float>(envelope_ + 0.5 / wavelength_);
      pulseCountdown_ = 0;
      if (envelope_ > 1) {
        rampingUp_ = false;
        if (oneShot_) pulseCountdown_ = PulseLength();
        envelope_ = 1;
      }
      const double rest = 1.0 - envelope_;
      gain = std::exp(-0.5 * rest * rest / 0.25);
    }
    if (oneShot_ && pulseCountdown_ >= 1) {
      --pulseCountdown_;
      if (pulseCountdown_ == 0) rampingDown_ = true;
    }
    phase_ = Advance(phase_, kTwoPi / period_);
    out1_ = static_cast<float>(std::sin(static_cast<double>(phase_)) * gain);
    phase2_ = Advance(phase2_, kTwoPi * detune_ / period_);
    out2_ = static_cast<float>(std::sin(static_cast<double>(phase2_)) * gain);
    phase3_ = Advance(phase3_, 3 * kPi / period_);
    out3_ = static_cast<float>(0.7 * out1_ - std::sin(static_cast<double>(phase3_)) * gain -
                               1.2 * std::sin(2.0 * phase_) * gain);
    Excite();
  }
  TBaseExciter::Apply();
}

void TGeneralExciter::Excite() {
  TWaterGrid* grid = Grid().get();
  if (!grid || !grid->HasInterior()) return;
  const int32_t h = grid->Height();
  switch (beamType_) {
    case kPoint:
      if (IsInterior(*grid, X1, Y1)) {
        const TCellRef cell = grid->Cell(X1, Y1);
        cell.Displacement = static_cast<float>(6.0 * out1_);
        cell.Velocity = 0;
      }
      break;
    case kBeam: {
      if (beamColumn_ < 1 || beamColumn_ > grid->Width() - 2) break;
      const TColumn column = grid->Column(beamColumn_);
      for (int32_t i = 0; i < kBeamHalfRows; ++i) {
        // Gaussian profile, sigma 30 cells: exp(-i^2 / (2 * 30^2)).
        const float g = static_cast<float>(std::exp(-double(i) * i * 0.5 / (30.0 * 30.0)) * 1.8 * out1_);
        // Only interior rows: a row laid out or suggested off the grid drives nothing there.
        const int64_t below = int64_t{Y3} - i;
        const int64_t above = int64_t{Y3} + i;
        for (const int64_t row : {below, above}) {
          if (row > 0 && row < h - 1) {
            column[row].Displacement = g;
            column[row].Velocity = 0;
          }
        }
      }
      break;
    }
    case kLine: {
      // The whole column, edge rows included: a straight front that the edges do not bend.
      if (beamColumn_ < 0 || beamColumn_ > grid->Width() - 1) break;
      const TColumn column = grid->Column(beamColumn_);
      for (int32_t y = 0; y < h; ++y) {
        column[y].Displacement =
            static_cast<float>(static_cast<double>(column[y].Displacement) + 1.5 * out1_);
      }
      break;
    }
    case kDouble:
      if (IsInterior(*grid, X1, Y1)) grid->Cell(X1, Y1).Displacement = static_cast<float>(4.0 * out1_);
      if (IsInterior(*grid, X2, Y2)) grid->Cell(X2, Y2).Displacement = static_cast<float>(4.0 * out2_);
      break;
    case kDoppler:
      MoveDopplerSource();
      EmitDoppler(harmonics_ ? out3_ : out1_);
      break;
    default:
      break;
  }
}

void TGeneralExciter::MoveDopplerSource() {
  const double dx = static_cast<double>(X1) - dopplerX_;
  const double dy = static_cast<double>(Y1) - dopplerY_;
  const float distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
  // A negative speed from a file leaves the source where it is.
  const float step = static_cast<float>(kWaveSpeed * std::max(dopplerSpeed_, 0.0f));
  // Near the target the source lands on it. A step that would carry it more than that distance past
  // the target lands it there too: from there it would swing across the target and back for ever.
  if (distance <= kDopplerSnap || static_cast<double>(step) - distance > kDopplerSnap) {
    dopplerX_ = static_cast<float>(X1);
    dopplerY_ = static_cast<float>(Y1);
    return;
  }
  const float unitX = static_cast<float>(dx / distance);
  const float unitY = static_cast<float>(dy / distance);
  dopplerX_ = static_cast<float>(dopplerX_ + static_cast<double>(step) * unitX);
  dopplerY_ = static_cast<float>(dopplerY_ + static_cast<double>(step) * unitY);
}

void TGeneralExciter::EmitDoppler(double amplitude) {
  TWaterGrid& grid = *Grid();
  // The position stays on the segment from its start to the target, both on the grid; the clamp only
  // keeps the conversion to a cell defined whatever happens.
  const double limit = 1.0 + std::max(grid.Width(), grid.Height());
  const int32_t cx = static_cast<int32_t>(std::clamp(static_cast<double>(dopplerX_), -limit, limit));
  const int32_t cy = static_cast<int32_t>(std::clamp(static_cast<double>(dopplerY_), -limit, limit));
  // A Gaussian push on the velocity, sigma 1 cell, over the 20 x 20 block around the source.
  for (int32_t i = std::max(cx - 10, 1); i <= std::min(cx + 9, grid.Width() - 2); ++i) {
    const TColumn column = grid.Column(i);
    for (int32_t j = std::max(cy - 10, 1); j <= std::min(cy + 9, grid.Height() - 2); ++j) {
      const double di = i - static_cast<double>(dopplerX_);
      const double dj = j - static_cast<double>(dopplerY_);
      const double q = static_cast<float>(std::sqrt(di * di + dj * dj));
      column[j].Velocity = static_cast<float>(column[j].Velocity + std::exp(-q * q / 2) * amplitude);
    }
  }
}

void TGeneralExciter::PlaceDopplerOnTarget() {
  dopplerX_ = static_cast<float>(X1);
  dopplerY_ = static_cast<float>(Y1);
}

void TGeneralExciter::StartDopplerFromTheLeft() {
  dopplerX_ = static_cast<float>(CellFromPercent(5, W()));
  dopplerY_ = static_cast<float>(Y1);
}

void TGeneralExciter::DopplerRestart() {
  SetX1Percent(95);
  SetY1Percent(50);
  StartDopplerFromTheLeft();
}

TPoint TGeneralExciter::InteriorCell(int32_t x, int32_t y) const {
  return {std::clamp(x, 1, std::max(W() - 2, 1)), std::clamp(y, 1, std::max(H() - 2, 1))};
}

void TGeneralExciter::SetSourceRow(int32_t row) const {
  if (TWater* tank = Tank()) tank->SourceRow = row;
}

void TGeneralExciter::ApplySourceSuggestion() {
  TWater* tank = Tank();
  if (!tank) return;
  if (tank->SuggestedBeamType >= 0) {
    const int32_t suggested = tank->SuggestedBeamType;
    tank->SuggestedBeamType = -1;
    SetBeamType(suggested);
  }
  switch (beamType_) {
    case kPoint:
    case kDouble:
    case kDoppler:
      if (tank->SuggestedSourceY > 0 || tank->SuggestedSourceX >= 1) {
        SetPoint1(InteriorCell(tank->SuggestedSourceX, tank->SuggestedSourceY));
        if (beamType_ == kDoppler) SetPoint2(Point1());
        tank->SuggestedSourceX = 0;
        tank->SuggestedSourceY = 0;
        SetSourceRow(Y1);
      }
      break;
    case kBeam:
      if (tank->SuggestedBeamRow > 0) {
        Y3 = InteriorCell(X3, tank->SuggestedBeamRow).y;
        tank->SuggestedBeamRow = 0;
        SetSourceRow(Y3);
      }
      break;
    default:
      break;
  }
}

void TGeneralExciter::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  if (beamType_ != kDoppler) return;
  const double dx = X1 - dopplerX_, dy = Y1 - dopplerY_;
  const double distance = std::hypot(dx, dy);
  // On its target the source stands still and its waves are the open ones.
  if (distance <= kDopplerSnap) return;
  const TTheoryPoint at{dopplerX_, dopplerY_};
  const TTheoryPoint ahead{dx / distance, dy / distance};
  const TTheoryPoint across{-ahead.y, ahead.x};
  const double v = kWaveSpeed * dopplerSpeed_;
  const double c = WaveSpeedAt(tank, at.x, at.y);
  if (c <= 0) return;
  if (v < c) {
    // A crest emitted k periods ago lies k (c -+ v) T ahead of and behind the source; the source's
    // wavelength where it is, lambda = c T.
    const double wavelength = c * period_;
    const double front = wavelength * (1 - v / c), back = wavelength * (1 + v / c);
    for (int k = 1; k <= 3; ++k) {
      figure.marks.push_back({at.x + k * front * ahead.x, at.y + k * front * ahead.y});
      figure.marks.push_back({at.x - k * back * ahead.x, at.y - k * back * ahead.y});
    }
    const auto label = [&](double along, double length) {
      figure.labels.push_back({at.x + along * ahead.x + 12 * across.x, at.y + along * ahead.y + 12 * across.y,
                               "\u03bb=" + ReadoutNumber(length, 1) + "mm"});
    };
    label(2 * front, front);
    label(-2 * back, back);
    return;
  }
  // Faster than its waves: their envelope is the cone with sin(alpha) = c / v about the path behind.
  const double alpha = std::asin(c / v);
  const double reach = 2.0 * (W() + H());
  for (const double side : {alpha, -alpha}) {
    const double ux = -(ahead.x * std::cos(side) - ahead.y * std::sin(side));
    const double uy = -(ahead.x * std::sin(side) + ahead.y * std::cos(side));
    figure.lines.push_back({at.x, at.y, at.x + reach * ux, at.y + reach * uy});
  }
  figure.labels.push_back(
      {at.x - 40 * ahead.x, at.y - 40 * ahead.y, "\u03b1=" + ReadoutNumber(Degrees(alpha), 1) + "\u00b0"});
}

void TGeneralExciter::Draw(TFastDIB& image) {
  ApplySourceSuggestion();
  const TColour colour = HandleColour();
  switch (beamType_) {
    case kPoint:
      DrawHandle(image, X1, Y1, colour);
      break;
    case kBeam:
      X3 = beamColumn_;
      if (H() > 150) {
        DrawDoubleArrow(image, {beamColumn_, std::max(1, Y3 - 78)}, {beamColumn_, std::min(H() - 1, Y3 + 78)},
                        colour, 3);
      }
      break;
    case kDouble:
      DrawHandle(image, X1, Y1, colour);
      DrawHandle(image, X2, Y2, colour);
      break;
    case kDoppler: {
      DrawHandle(image, X1, Y1, colour);
      const double limit = 1.0 + std::max(W(), H());
      FillCircle(image, RoundHalfEven(std::clamp(static_cast<double>(dopplerX_), -limit, limit)),
                 RoundHalfEven(std::clamp(static_cast<double>(dopplerY_), -limit, limit)), colour, 1);
      break;
    }
    default:
      break;
  }
}

TColour TGeneralExciter::HandleColour() const {
  return GetActiveTool() ? RGB(5, 200, 50) : RGB(5, 73, 15);
}

int32_t TGeneralExciter::HandleKind() const {
  switch (beamType_) {
    case kPoint:
    case kDoppler:
      return 1;
    case kLine:
      return 7;
    case kDouble:
      return 2;
    default:
      return 4;
  }
}

bool TGeneralExciter::HitBody(int32_t x, int32_t y) const {
  if (beamType_ != kBeam) return false;
  return NearSegment(x, y, {beamColumn_, Y3 - kBeamHalfRows}, {beamColumn_, Y3 + kBeamHalfRows});
}

void TGeneralExciter::MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) {
  dragMovesSourceRow_ = false;
  TBaseExciter::MouseDown(button, shift, handled, X, Y);
  if (!handled) return;
  // The same hit tests as the press, to learn what it took.
  const int32_t y = H() - 1 - Y;
  bool held1 = false, held2 = false, heldBody = false;
  switch (Kind()) {
    case 1:
      held1 = true;
      break;
    case 2:
      HitTwoPoints(X, y, Point1(), Point2(), held1, held2, heldBody);
      break;
    case 4:
      heldBody = !NearPoint(X, y, Point3());
      break;
    default:
      break;
  }
  if (Kind() == 2 && heldBody) {
    // The two points of the double source are dragged one at a time: a press on the segment between
    // them is given back (the source stays selected).
    TBaseExciter::MouseUp(button, shift, X, Y);
    handled = false;
    return;
  }
  dragMovesSourceRow_ = held1 || heldBody;
}

void TGeneralExciter::MouseMove(TShiftState shift, int32_t X, int32_t Y) {
  TBaseExciter::MouseMove(shift, X, Y);
  if (dragMovesSourceRow_) SetSourceRow(Y1);
  // The beam moves only up and down.
  if (beamType_ == kBeam) X3 = beamColumn_;
}

void TGeneralExciter::MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) {
  TBaseExciter::MouseUp(button, shift, X, Y);
  dragMovesSourceRow_ = false;
}

void TGeneralExciter::SetY1Percent(float value) {
  TBaseExciter::SetY1Percent(value);
  SetSourceRow(Y1);
}

std::unique_ptr<TControlPanelModel> TGeneralExciter::CreateControlPanel() {
  auto panel = std::make_unique<TGeneralExciterCP>();
  panel->Bind(this);
  panel->SetFromSource();
  return panel;
}

}  // namespace wavora
