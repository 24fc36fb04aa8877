#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/colour.h"
#include "sim/control_panel_model.h"

namespace wavora {

class TGeneralExciter;

// The wave source's panel: the shape menu, continuous and pulse buttons, wavelength or frequency,
// and the controls of the double source (detune) and of the moving source (Mach number, harmonics,
// restart). It edits its source directly and polls it: the window calls Poll50ms every 50 ms (a
// finished pulse releases the pulse button) and Poll200ms every 200 ms (a shape changed elsewhere,
// for instance by a medium's suggestion, is shown).
//
// Slider setters act as the user moving the slider: the change handler runs when the position
// changes. Positions set by the panel itself (from the source, or one bar following the other) never
// run a handler, so the two bars cannot feed each other and building a panel never edits the source.
class TGeneralExciterCP : public TControlPanelModel {
 public:
  static constexpr int32_t kWidth = 175;
  static constexpr int32_t kHeight = 200;
  static constexpr TColour kBackground = RGB(247, 247, 247);
  // Caption and value colours of the bar in use and of the other one.
  static constexpr TColour kActiveText = RGB(0, 0, 0);
  static constexpr TColour kInactiveText = RGB(128, 128, 128);

  // A slider's range and its position.
  struct TTrackBar {
    int32_t min;
    int32_t max;
    int32_t position;
  };

  // An entry of the shape menu (PopupMenu1): its component name, caption, the shape number it carries
  // as its image index, and whether it is checked.
  struct TShapeMenuEntry {
    std::string_view name;
    std::string caption;
    int32_t imageIndex;
    bool checked;
  };

  // The source edited, not owned; none unbinds (handlers then only move the controls).
  void Bind(TGeneralExciter* source) { source_ = source; }
  TGeneralExciter* Source() const { return source_; }
  // Shows the source as it is: shape, buttons, wavelength, detune, Mach number, harmonics, and the
  // bar its UseFreq asks for.
  void SetFromSource();

  // Type1, the shape button, and its menu.
  int32_t ShownShape() const { return shownShape_; }
  const std::string& Type1Caption() const { return type1Caption_; }
  // Picture number in the shape image list.
  int32_t Type1Picture() const { return shownShape_; }
  // Opens the menu: captions reloaded from the string table, the shown shape checked.
  std::vector<TShapeMenuEntry> Type1Click() const;
  // Choosing the menu entry with that image index: the source takes the shape and the panel shows it.
  void ShapeMenuClick(int32_t imageIndex);
  // MachSlider, MachLabel, DopplerReset and HarmonicsButton.
  bool MachControlsVisible() const { return shownShape_ == 4; }
  // DetuneSlider, DetuneNameLabel and DetuneAmountLabel.
  bool DetuneControlsVisible() const { return shownShape_ == 3; }

  // The two toggles; a click flips the button and runs its handler.
  bool PowerButtonDown() const { return powerButtonDown_; }
  void PowerButtonClick();
  bool OneWaveDown() const { return oneWaveDown_; }
  void OneWaveClick();

  // Timer1 (50 ms): releases the pulse button once the pulse has ended. Runs only while enabled.
  bool Timer1Enabled() const { return timer1Enabled_; }
  void Poll50ms();
  // Timer2 (200 ms): shows the shape the source has now.
  void Poll200ms();

  const TTrackBar& WavelengthBar() const { return wavelengthBar_; }
  void SetWavelengthBar(int32_t position);
  bool WavelengthBarVisible() const { return !frequencyShown_; }
  const TTrackBar& FrequencyBar() const { return frequencyBar_; }
  void SetFrequencyBar(int32_t position);
  bool FrequencyBarVisible() const { return frequencyShown_; }
  // "%1.1f" mm and "%1.2f" Hz of the wavelength; one step is 0.016 s and one cell 1 mm.
  const std::string& WavelengthLabel() const { return wavelengthLabel_; }
  const std::string& FrequencyLabel() const { return frequencyLabel_; }
  std::string_view WavelengthCaptionLabel() const;
  std::string_view FrequencyCaptionLabel() const;
  TColour WavelengthTextColour() const { return frequencyShown_ ? kInactiveText : kActiveText; }
  TColour FrequencyTextColour() const { return frequencyShown_ ? kActiveText : kInactiveText; }
  // Switches between setting the wavelength and setting the frequency.
  void CustomSpeedButton1Click();

  const TTrackBar& DetuneSlider() const { return detuneSlider_; }
  void SetDetuneSlider(int32_t position);
  std::string_view DetuneNameLabel() const;
  const std::string& DetuneAmountLabel() const { return detuneAmountLabel_; }

  const TTrackBar& MachSlider() const { return machSlider_; }
  void SetMachSlider(int32_t position);
  const std::string& MachLabel() const { return machLabel_; }

  bool HarmonicsButtonDown() const { return harmonicsButtonDown_; }
  void HarmonicsButtonClick();
  void DopplerResetClick();

 protected:
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  void ShowShape(int32_t shape);
  // The bars and labels for a wavelength, without writing it.
  void ShowWavelength(float wavelength);
  void RefreshLabels();
  void WavelengthBarChange();
  void FrequencyBarChange();
  void DetuneSliderChange();
  void MachSliderChange();
  void RefreshDetuneLabel();
  void RefreshMachLabel();
  // The wavelength the labels show: the source's, or the wavelength bar's when unbound.
  float ShownWavelength() const;

  TGeneralExciter* source_ = nullptr;
  int32_t shownShape_ = 1;
  std::string type1Caption_;
  bool powerButtonDown_ = false;
  bool oneWaveDown_ = false;
  bool timer1Enabled_ = false;
  TTrackBar wavelengthBar_{5, 50, 50};
  TTrackBar frequencyBar_{9, 88, 50};
  bool frequencyShown_ = false;
  std::string wavelengthLabel_;
  std::string frequencyLabel_;
  TTrackBar detuneSlider_{2, 40, 10};
  std::string detuneAmountLabel_;
  TTrackBar machSlider_{2, 20, 9};
  std::string machLabel_;
  bool harmonicsButtonDown_ = false;
};

}  // namespace wavora
