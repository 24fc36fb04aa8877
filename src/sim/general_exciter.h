#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "sim/exciter.h"

namespace wavora {

// The wave source of every tank: an oscillator with a switching envelope (ramp up, run, pulse, ramp
// down) that drives one of five shapes, and the user's drips (from the base).
//
// Shapes (BeamType): 0 a point; 1 a Gaussian beam near the left edge; 2 a straight line front near
// the left edge; 3 two points, the second oscillator detuned by Detune; 4 a point that moves towards
// handle 1 at DopplerSpeed times the open-tank wave speed.
//
// Values read from a file are held to what the step can run with: the wavelength is kept within
// kMinWavelength .. kMaxWavelength, a shape number outside 0 .. 4 becomes the beam, and every write
// into the grid is bounded by the grid whatever the handle cells or the tank's suggestions say.
class TGeneralExciter : public TBaseExciter {
 public:
  enum : int32_t { kPoint = 0, kBeam = 1, kLine = 2, kDouble = 3, kDoppler = 4 };
  static constexpr int32_t kShapeCount = 5;
  // Open-tank wave speed in cells per step.
  static constexpr double kWaveSpeed = kOpenWaveSpeed;
  static constexpr float kMinWavelength = 2;
  static constexpr float kMaxWavelength = 1000;
  // Half the beam's height in cells; its profile has sigma = 30 cells.
  static constexpr int32_t kBeamHalfRows = 90;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void GeometryChanged() override;
  void Reset() override;
  void Apply() override;
  void Excite() override;
  void Draw(TFastDIB& image) override;
  // For the moving source: the wavelengths ahead and behind, lambda (1 -+ v / c), as marks a
  // wavelength apart; faster than the waves, the Mach cone of half-angle asin(c / v) instead.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;

  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  void SetY1Percent(float value) override;
  TColour HandleColour() const override;
  int32_t HandleKind() const override;
  bool HitBody(int32_t x, int32_t y) const override;

  // Published properties.
  float GetDetune() const { return detune_; }
  void SetDetune(float value);
  // Wavelength in open water, cells; the period is Wavelength / 0.7071 steps.
  float GetWavelength() const { return wavelength_; }
  void SetWavelength(float value);
  float GetPhase() const { return phase_; }
  void SetPhase(float value);
  // Switching on restarts the phase and fades in from the present envelope; off fades out.
  bool GetON() const { return on_; }
  void SetON(bool value);
  // A pulse: switching it on while the source is off starts one; any other change fades out.
  bool GetOneShot() const { return oneShot_; }
  void SetOneShot(bool value);
  float GetPhase2() const { return phase2_; }
  void SetPhase2(float value);
  float GetPhase3() const { return phase3_; }
  void SetPhase3(float value);
  // Mach number of the moving source.
  float GetDopplerSpeed() const { return dopplerSpeed_; }
  void SetDopplerSpeed(float value);
  int32_t GetBeamType() const { return beamType_; }
  void SetBeamType(int32_t value);
  bool GetHarmonics() const { return harmonics_; }
  void SetHarmonics(bool value) { harmonics_ = value; }
  bool GetUseFreq() const { return useFreq_; }
  void SetUseFreq(bool value) { useFreq_ = value; }

  // The name and picture of the present shape, for the object list.
  std::string ListName() const override;
  int ListImageIndex() const override { return beamType_; }
  // The panel's restart of the moving source: target at 95 % of the width, mid height, source at 5 %.
  void DopplerRestart();

  // State of the oscillator, for panels and tests.
  float Period() const { return period_; }
  float Envelope() const { return envelope_; }
  bool RampingUp() const { return rampingUp_; }
  bool RampingDown() const { return rampingDown_; }
  int32_t PulseCountdown() const { return pulseCountdown_; }
  float Out1() const { return out1_; }
  float Out2() const { return out2_; }
  float Out3() const { return out3_; }
  int32_t BeamColumn() const { return beamColumn_; }
  float DopplerX() const { return dopplerX_; }
  float DopplerY() const { return dopplerY_; }
  // Steps at full amplitude of a pulse: round(Wavelength^(1/4) * 20).
  int32_t PulseLength() const;

 private:
  void PlaceDopplerOnTarget();
  // The moving source at the cell of 5 % of the width, on its target's row.
  void StartDopplerFromTheLeft();
  // Moves the tank's source suggestion, if any, into this source.
  void ApplySourceSuggestion();
  void SetSourceRow(int32_t row) const;
  // A cell of the tank for a suggested or stored position: inside 1 .. N - 2.
  TPoint InteriorCell(int32_t x, int32_t y) const;
  void MoveDopplerSource();
  void EmitDoppler(double amplitude);

  float detune_ = 1;
  float wavelength_ = 25;
  float period_ = 0;
  float phase_ = 0;
  bool on_ = false;
  float envelope_ = 0;
  bool rampingUp_ = false;
  bool rampingDown_ = false;
  bool oneShot_ = false;
  int32_t pulseCountdown_ = 0;
  float phase2_ = 0;
  float phase3_ = 0;
  int32_t beamColumn_ = 0;
  float out1_ = 0, out2_ = 0, out3_ = 0;
  int32_t beamType_ = kBeam;
  float dopplerSpeed_ = 0.6f;
  float dopplerX_ = 0, dopplerY_ = 0;
  bool harmonics_ = false;
  bool useFreq_ = false;
  // The press took handle 1 or the body, so dragging moves the tank's source row.
  bool dragMovesSourceRow_ = false;
};

}  // namespace wavora
