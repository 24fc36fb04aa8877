#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QMenu;

namespace wavora {

class TCustomBitBtn;
class TCustomSpeedButton;
class TCustomTrackBar;
class TGeneralExciterCP;

// The wave source's panel: the shape button with its menu, continuous and pulse, the wavelength or
// frequency bar, and the controls of the double and the moving source. Every gesture goes to the
// model, and the controls then show the model again; the model's two polls run on 50 ms and 200 ms
// timers.
class TGeneralExciterView : public QWidget {
  Q_OBJECT

 public:
  TGeneralExciterView(TGeneralExciterCP& model, QWidget* parent);

  // The picture of a source shape (0 point ... 4 moving), for the shape button and its menu.
  static QIcon ShapePicture(int shape);

 private:
  // Shows the model's state in the controls without running their handlers.
  void ShowModel();
  void Type1Click();

  TGeneralExciterCP& model_;  // owned by the window, outlives the view
  QTimer timer1_;
  QTimer timer2_;
  TCustomBitBtn* Type1;
  QMenu* PopupMenu1;
  TCustomSpeedButton* PowerButton;
  TCustomSpeedButton* OneWave;
  QLabel* WavelengthCaptionLabel;
  QLabel* WavelengthLabel;
  QLabel* FrequencyCaptionLabel;
  QLabel* FrequencyLabel;
  TCustomTrackBar* WavelengthBar;
  TCustomTrackBar* FrequencyBar;
  TCustomSpeedButton* CustomSpeedButton1;
  QLabel* DetuneNameLabel;
  QLabel* DetuneAmountLabel;
  TCustomTrackBar* DetuneSlider;
  QLabel* MachLabel;
  TCustomTrackBar* MachSlider;
  TCustomSpeedButton* HarmonicsButton;
  TCustomSpeedButton* DopplerReset;
};

}  // namespace wavora
