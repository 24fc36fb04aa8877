#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "ui/held_panel.h"
#include "ui/message_sink.h"

class QFrame;
class QLabel;
class QMenu;

namespace wavora {

class TClipCommands;
class TClipboardCommands;
class TCustomBitBtn;
class TCustomSpeedButton;
class TCustomTrackBar;
class TDebugPanel;
class TExperimentMenu;
class TFileCommands;
class THelpMenu;
class TInfoSheet;
class TPresentationWindow;
class TSlidesTab;
class TTankBox;
class TTankKeys;
class TToolPanels;
class TToolsTab;

// The one window: the tank in the middle, the slides or the catalogue on the left, the panels of the
// source and the medium on the right, the info sheet or the active tool's panel below the tank. It owns
// the document, lays out the parts that work on it and wires them together; a 16 ms timer runs the
// frames. Controls carry the names the rest of the program and the tests know them by (objectName).
class TMainForm : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 833;
  static constexpr int kClientHeight = 633;

  // arguments: the command line after the program's name. Message boxes go to sink (on screen when
  // none is given).
  explicit TMainForm(const QStringList& arguments, std::unique_ptr<IMessageSink> sink = nullptr);
  ~TMainForm() override;

  TSlideshow& Document() const { return *document_; }
  TRef<TWater> GetCurrentWater() const { return document_->GetActiveWater(); }
  const TFastDIB& TankImage() const { return tankImage_; }
  bool FrameTimerActive() const { return frameTimer_.isActive(); }
  TSlidesTab& Slides() const { return *slides_; }
  TToolsTab& Tools() const { return *tools_; }
  TFileCommands& Files() const { return *files_; }
  TClipboardCommands& Clipboard() const { return *clipboard_; }
  TClipCommands& Clips() const { return *clips_; }

  // Shows the slide selected in the slide list: its medium's and source's panels, its tools' panels
  // and objects, its exposure and its info sheet.
  void SlideListClick();
  // One of the four display shapes, by its tag 0 ... 3.
  void SetDisplayShape(int tag);
  // The window's colours and the tank's objects in high contrast, or as usual; remembered for the
  // next run.
  void SetHighContrast(bool on);
  // One frame of the simulation and the views that follow it.
  void RunFrame();
  // Speaks the language with this ISO 639 code from now on, and in the next runs.
  void Speak(const QString& code);

 private:
  void CreateControls();
  void CreateRightColumn();
  void CreateMenus();
  void ConnectTankBox(TTankBox* box);
  void SetupMainWindow(const QStringList& arguments);
  void ApplyCaptions();
  // Makes the shown panels again: they keep the captions and colours they were made with.
  void RemakePanels();
  // Takes an opened slideshow as the document; the panels of the old one go first.
  void Adopt(const TRef<TSlideshow>& slideshow);
  // The colours of the user's setting: the controls' scheme, the palettes and the tank's pen.
  void ShowColours();
  void UpdateExperimentButton();
  void UpdateSlideshowMenu();
  // A press anywhere in the window but on the info sheet's edits moves the keyboard focus from them to
  // Panel5, so they save their texts and the slide list shows them before the press changes the slide.
  void TakeFocusFromInfoSheet(QObject* pressed);

  void ChooseExperiment(int classIndex);
  void MenuButtonClick();
  // Shows the running tank alone on the full screen, driven from the keyboard.
  void PresentationClick();

  void BoxMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void BoxMouseMove(TShiftState shift, int x, int y);
  void BoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);

  void closeEvent(QCloseEvent* event) override;

  std::unique_ptr<IMessageSink> messages_;
  TRef<TSlideshow> document_;
  TFastDIB tankImage_;
  // Opened on first use; it shows tankImage_, so it is declared after it.
  std::unique_ptr<TPresentationWindow> presentation_;
  TFrameLoop frameLoop_;
  QTimer frameTimer_;
  QTimer marqueeTimer_;
  bool settingExposure_ = false;
  bool mouseIsDown_ = false;

  // Panels refer to objects of the document, so they are declared after it and go first.
  THeldPanel mediumPanel_;
  THeldPanel exciterPanel_;
  std::unique_ptr<TToolPanels> toolPanels_;

  TTankBox* Box = nullptr;
  TTankKeys* tankKeys_ = nullptr;
  TCustomSpeedButton* ResetBtn = nullptr;
  TCustomSpeedButton* PauseButton = nullptr;
  TCustomSpeedButton* ToolsTabButton = nullptr;
  TCustomSpeedButton* MenuButton = nullptr;
  TToolsTab* tools_ = nullptr;
  TSlidesTab* slides_ = nullptr;
  QFrame* ExciterControlPanel = nullptr;
  TCustomBitBtn* ExperimentBtn = nullptr;
  QWidget* ControlPanelHolder = nullptr;
  TInfoSheet* InfoControlPanel = nullptr;
  QFrame* Panel5 = nullptr;
  QLabel* ControlsLabel = nullptr;
  QLabel* ContrastLabel = nullptr;
  TCustomSpeedButton* DripButton = nullptr;
  TCustomSpeedButton* CameraClipBtn = nullptr;
  TCustomSpeedButton* CameraFileBtn = nullptr;
  TCustomSpeedButton* HelpButton = nullptr;
  TCustomSpeedButton* ShowDebugPanelBTN = nullptr;
  TCustomTrackBar* ExposureSlider = nullptr;
  TDebugPanel* debug_ = nullptr;

  TFileCommands* files_ = nullptr;
  TClipboardCommands* clipboard_ = nullptr;
  TClipCommands* clips_ = nullptr;
  QAction* PrintWorksheet1 = nullptr;
  TExperimentMenu* ExperimentMenu = nullptr;
  QMenu* SlideshowMenu = nullptr;
  THelpMenu* HelpMenu = nullptr;
};

}  // namespace wavora
