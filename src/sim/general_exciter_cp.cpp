#include "sim/general_exciter_cp.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>

#include "model/number_text.h"
#include "model/property_text.h"
#include "sim/general_exciter.h"
#include "sim/resource_strings.h"

namespace wavora {

namespace {

// The frequency bar counts tenths of a "Hz": position = 10 * 0.7071 / (wavelength * 0.016).
constexpr double kFrequencyBarScale = 7.071;
constexpr double kSecondsPerStep = 0.016;

// round(v) held to the slider's range; not a number counts as its minimum.
int32_t SliderPosition(const TGeneralExciterCP::TTrackBar& bar, double v) {
  const double position = std::nearbyint(v);
  if (!(position >= bar.min)) return bar.min;
  return position > bar.max ? bar.max : static_cast<int32_t>(position);
}

// Moves a slider the way the user does; true when the position changed.
bool MoveSlider(TGeneralExciterCP::TTrackBar& bar, int32_t position) {
  position = std::clamp(position, bar.min, bar.max);
  if (position == bar.position) return false;
  bar.position = position;
  return true;
}

std::string Format(double value, int decimals, std::string_view suffix) {
  return ReadoutNumber(value, decimals) + std::string(suffix);
}

std::string_view ShapeName(int32_t shape) {
  switch (shape) {
    case TGeneralExciter::kPoint:
      return rs::PointSource;
    case TGeneralExciter::kLine:
      return rs::LineSource;
    case TGeneralExciter::kDouble:
      return rs::DoubleSource;
    case TGeneralExciter::kDoppler:
      return rs::DopplerSource;
    default:
      return rs::BeamSource;
  }
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void TGeneralExciterCP::SetFromSource() {
  if (!source_) return;
  ShowShape(source_->GetBeamType());
  powerButtonDown_ = source_->GetON();
  ShowWavelength(source_->GetWavelength());
  oneWaveDown_ = source_->GetOneShot();
  // A panel built while a pulse runs still has to release its button when the pulse ends.
  timer1Enabled_ = oneWaveDown_;
  detuneSlider_.position = SliderPosition(detuneSlider_, 10.0 * source_->GetDetune());
  RefreshDetuneLabel();
  machSlider_.position = SliderPosition(machSlider_, 10.0 * source_->GetDopplerSpeed());
  RefreshMachLabel();
  harmonicsButtonDown_ = source_->GetHarmonics();
  frequencyShown_ = source_->GetUseFreq();
  RefreshLabels();
}

void TGeneralExciterCP::ShowShape(int32_t shape) {
  shownShape_ = shape >= 0 && shape < TGeneralExciter::kShapeCount ? shape : TGeneralExciter::kBeam;
  type1Caption_ = std::string(ShapeName(shownShape_));
}

std::vector<TGeneralExciterCP::TShapeMenuEntry> TGeneralExciterCP::Type1Click() const {
  static constexpr std::string_view kNames[] = {"PointSource1", "BeamSource1", "LineSource1", "Double1",
                                                "Doppler1"};
  std::vector<TShapeMenuEntry> entries;
  for (int32_t shape = 0; shape < TGeneralExciter::kShapeCount; ++shape) {
    entries.push_back({kNames[shape], std::string(ShapeName(shape)), shape, shape == shownShape_});
  }
  return entries;
}

void TGeneralExciterCP::ShapeMenuClick(int32_t imageIndex) {
  if (source_) source_->SetBeamType(imageIndex);
  ShowShape(source_ ? source_->GetBeamType() : imageIndex);
}

void TGeneralExciterCP::PowerButtonClick() {
  powerButtonDown_ = !powerButtonDown_;
  if (powerButtonDown_) {
    if (oneWaveDown_ || (source_ && source_->GetOneShot())) {
      oneWaveDown_ = false;
      if (source_) source_->SetOneShot(false);
    }
    if (source_) source_->SetON(true);
  } else if (source_) {
    source_->SetON(false);
  }
}

void TGeneralExciterCP::OneWaveClick() {
  oneWaveDown_ = !oneWaveDown_;
  if (oneWaveDown_) {
    if (source_) source_->SetOneShot(true);
    timer1Enabled_ = true;
    powerButtonDown_ = false;
  } else if (source_) {
    source_->SetOneShot(false);
  }
}

void TGeneralExciterCP::Poll50ms() {
  if (!timer1Enabled_ || !source_) return;
  if (Lower(PropertyAsText(*source_, "OneShot")) == "false") oneWaveDown_ = false;
  timer1Enabled_ = oneWaveDown_;
}

void TGeneralExciterCP::Poll200ms() {
  if (!source_) return;
  const int32_t shape = ParseInt32(PropertyAsText(*source_, "BeamType")).value_or(TGeneralExciter::kBeam);
  if (shape != shownShape_) ShowShape(shape);
}

void TGeneralExciterCP::SetWavelengthBar(int32_t position) {
  if (MoveSlider(wavelengthBar_, position)) WavelengthBarChange();
}

void TGeneralExciterCP::SetFrequencyBar(int32_t position) {
  if (MoveSlider(frequencyBar_, position)) FrequencyBarChange();
}

void TGeneralExciterCP::WavelengthBarChange() {
  if (source_) source_->SetWavelength(static_cast<float>(wavelengthBar_.position));
  frequencyBar_.position =
      SliderPosition(frequencyBar_, kFrequencyBarScale / (ShownWavelength() * kSecondsPerStep));
  RefreshLabels();
}

void TGeneralExciterCP::FrequencyBarChange() {
  const float wavelength =
      static_cast<float>(kFrequencyBarScale / (frequencyBar_.position * kSecondsPerStep));
  if (source_) source_->SetWavelength(wavelength);
  wavelengthBar_.position = SliderPosition(wavelengthBar_, source_ ? source_->GetWavelength() : wavelength);
  RefreshLabels();
}

void TGeneralExciterCP::ShowWavelength(float wavelength) {
  if (static_cast<float>(wavelengthBar_.position) != wavelength) {
    wavelengthBar_.position = SliderPosition(wavelengthBar_, wavelength);
    frequencyBar_.position =
        SliderPosition(frequencyBar_, kFrequencyBarScale / (kSecondsPerStep * wavelength));
  }
  RefreshLabels();
}

float TGeneralExciterCP::ShownWavelength() const {
  return source_ ? source_->GetWavelength() : static_cast<float>(wavelengthBar_.position);
}

void TGeneralExciterCP::RefreshLabels() {
  const double wavelength = ShownWavelength();
  wavelengthLabel_ = Format(wavelength, 1, rs::Millimetres);
  frequencyLabel_ = Format(TGeneralExciter::kWaveSpeed / (wavelength * kSecondsPerStep), 2, rs::Hertz);
}

std::string_view TGeneralExciterCP::WavelengthCaptionLabel() const {
  return rs::WavelengthCaption;
}

std::string_view TGeneralExciterCP::FrequencyCaptionLabel() const {
  return rs::FrequencyCaption;
}

void TGeneralExciterCP::CustomSpeedButton1Click() {
  const bool useFreq = source_ ? !source_->GetUseFreq() : !frequencyShown_;
  if (source_) source_->SetUseFreq(useFreq);
  if (useFreq == frequencyShown_) return;
  frequencyShown_ = useFreq;
  // The bar now in use sets the wavelength, so the source runs at a value the bar can show.
  if (useFreq) {
    FrequencyBarChange();
  } else {
    WavelengthBarChange();
  }
}

void TGeneralExciterCP::SetDetuneSlider(int32_t position) {
  if (MoveSlider(detuneSlider_, position)) DetuneSliderChange();
}

void TGeneralExciterCP::DetuneSliderChange() {
  if (source_) source_->SetDetune(static_cast<float>(detuneSlider_.position / 10.0));
  RefreshDetuneLabel();
}

std::string_view TGeneralExciterCP::DetuneNameLabel() const {
  return rs::DetuneCaption;
}

void TGeneralExciterCP::RefreshDetuneLabel() {
  detuneAmountLabel_ = Format(detuneSlider_.position / 10.0, 1, rs::TimesSuffix);
}

void TGeneralExciterCP::SetMachSlider(int32_t position) {
  if (MoveSlider(machSlider_, position)) MachSliderChange();
}

void TGeneralExciterCP::MachSliderChange() {
  if (source_) source_->SetDopplerSpeed(static_cast<float>(machSlider_.position / 10.0));
  RefreshMachLabel();
}

void TGeneralExciterCP::RefreshMachLabel() {
  machLabel_ = std::string(rs::MachPrefix) + Format(machSlider_.position / 10.0, 1, "");
}

void TGeneralExciterCP::HarmonicsButtonClick() {
  harmonicsButtonDown_ = !harmonicsButtonDown_;
  if (source_) source_->SetHarmonics(harmonicsButtonDown_);
}

void TGeneralExciterCP::DopplerResetClick() {
  if (source_) source_->DopplerRestart();
}

std::vector<TPanelControl> TGeneralExciterCP::OwnControls() const {
  std::vector<TControlItem> shapes;
  for (const TShapeMenuEntry& entry : Type1Click())
    shapes.push_back({entry.imageIndex, std::string(entry.name), entry.caption, {}, {}});
  TPanelControl type1 = GroupControl("Type1", type1Caption_, std::move(shapes), shownShape_);
  type1.hint = std::string(rs::SourceShapeHint);
  const bool detune = DetuneControlsVisible();
  const bool mach = MachControlsVisible();
  return {
      std::move(type1),
      ToggleControl("PowerButton", rs::Continuous, rs::Continuous, powerButtonDown_),
      ToggleControl("OneWave", rs::Pulse, rs::Pulse, oneWaveDown_),
      ReadOutControl("WavelengthLabel", rs::WavelengthCaption, wavelengthLabel_),
      ReadOutControl("FrequencyLabel", rs::FrequencyCaption, frequencyLabel_),
      Shown(SliderControl("WavelengthBar", rs::WavelengthCaption, wavelengthBar_.min, wavelengthBar_.max,
                          wavelengthBar_.position),
            WavelengthBarVisible()),
      Shown(SliderControl("FrequencyBar", rs::FrequencyCaption, frequencyBar_.min, frequencyBar_.max,
                          frequencyBar_.position),
            FrequencyBarVisible()),
      ToggleControl("CustomSpeedButton1", rs::Hertz, rs::FrequencyToggleHint, frequencyShown_),
      Shown(ReadOutControl("DetuneAmountLabel", rs::DetuneCaption, detuneAmountLabel_), detune),
      Shown(SliderControl("DetuneSlider", rs::DetuneCaption, detuneSlider_.min, detuneSlider_.max,
                          detuneSlider_.position),
            detune),
      Shown(ReadOutControl("MachLabel", {}, machLabel_), mach),
      Shown(ToggleControl("HarmonicsButton", rs::HarmonicsCaption, rs::HarmonicsHint, harmonicsButtonDown_),
            mach),
      Shown(SliderControl("MachSlider", {}, machSlider_.min, machSlider_.max, machSlider_.position), mach),
      Shown(ButtonControl("DopplerReset", {}, rs::DopplerResetHint), mach)};
}

TChangeResult TGeneralExciterCP::ApplyChange(const TPanelControl& control, int32_t value) {
  using THandler = void (*)(TGeneralExciterCP&, int32_t);
  static const std::pair<std::string_view, THandler> kHandlers[] = {
      {"Type1", [](TGeneralExciterCP& p, int32_t v) { p.ShapeMenuClick(v); }},
      {"PowerButton", [](TGeneralExciterCP& p, int32_t) { p.PowerButtonClick(); }},
      {"OneWave", [](TGeneralExciterCP& p, int32_t) { p.OneWaveClick(); }},
      {"WavelengthBar", [](TGeneralExciterCP& p, int32_t v) { p.SetWavelengthBar(v); }},
      {"FrequencyBar", [](TGeneralExciterCP& p, int32_t v) { p.SetFrequencyBar(v); }},
      {"CustomSpeedButton1", [](TGeneralExciterCP& p, int32_t) { p.CustomSpeedButton1Click(); }},
      {"DetuneSlider", [](TGeneralExciterCP& p, int32_t v) { p.SetDetuneSlider(v); }},
      {"HarmonicsButton", [](TGeneralExciterCP& p, int32_t) { p.HarmonicsButtonClick(); }},
      {"MachSlider", [](TGeneralExciterCP& p, int32_t v) { p.SetMachSlider(v); }},
      {"DopplerReset", [](TGeneralExciterCP& p, int32_t) { p.DopplerResetClick(); }},
  };
  for (const auto& [id, handler] : kHandlers) {
    if (control.id == id) {
      handler(*this, value);
      return TChangeResult::Done;
    }
  }
  return TChangeResult::UnknownControl;
}

}  // namespace wavora
