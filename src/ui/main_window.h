#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "document/object_list.h"
#include "document/water_collection.h"
#include "image/fast_dib.h"
#include "sim/frame_loop.h"
#include "ui/message_sink.h"
#include "ui/unsaved_changes.h"

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QTableWidget;

namespace wavora {

class TControlPanelModel;
class TCustomBitBtn;
class TCustomSpeedButton;
class TCustomTrackBar;
class THelpViewer;
class TInfoSheet;
class TPresentationWindow;
class TScrollerList;
class TTankBox;

// The one window: the tank in the middle, the slides or the catalogue on the left, the panels of the
// source and the medium on the right, the info sheet or the active tool's panel below the tank. It owns
// the document and translates the user's gestures into commands on it; a 16 ms timer runs the frames.
// Controls carry the names the rest of the program and the tests know them by (objectName).
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

  // Commands behind the buttons and menus; the menu entries ask for file names first.
  void NewSlideBtnClick();
  void RemoveMapButtonClick();
  void SlideListMoveListItem(int fromIndex, int toIndex);
  void SlideListClick();
  // Opens the file as the new document; the message the opening brings is shown, and the document
  // stays when the file cannot be used. Returns whether the file became the document.
  bool OpenSlideshowFile(const QString& fileName);
  // Opens a shipped lesson as an untitled document, so saving asks for a name of its own and the
  // lesson itself is never overwritten.
  void OpenExample(const QString& fileName);
  // Writes the document; a failure is shown and changes nothing. Returns whether it was written.
  bool SaveSlideshowFile(const QString& fileName);
  // Asks whether to save unsaved changes before the document is given up (another slideshow opened,
  // the window closed). Returns whether the caller may go on: nothing to save, discarded, or saved.
  bool MayGiveUpDocument();
  // One of the four display shapes, by its tag 0 ... 3.
  void SetDisplayShape(int tag);
  // One frame of the simulation and the views that follow it.
  void RunFrame();

  // The "Tools" tab: the tool menu and the commands on the current tank's objects.
  void ToolBoxButtonClick();
  void AddToolFromMenu(int toolIndex);
  void ObjectListClick();
  void DeleteToolBtnClick();
  void SnapToGridClick();
  // Slides through the clipboard.
  void Copy1Click();
  void Paste1Click();
  void Cut1Click();

 private:
  // A panel model and its view; the view goes first, as it refers to the model.
  struct THeldPanel {
    int32_t tag = 0;
    std::unique_ptr<TControlPanelModel> model;
    std::unique_ptr<QWidget> view;
    void Release() {
      view.reset();
      model.reset();
      tag = 0;
    }
  };

  void CreateControls();
  void CreateLeftColumn();
  void CreateRightColumn();
  void CreateInfoSheet();
  void CreateDebugPanel();
  void CreateMenus();
  void ConnectTankBox(TTankBox* box);
  void SetupMainWindow(const QStringList& arguments);
  void ApplyCaptions();

  void RebuildSlideList();
  void RebuildThumbnails();
  void UpdateSlideThumbnail(int index);
  void SelectSlideItem(int index);
  void DeactivateTools(TWater* tank);
  // Replaces the panel in the holder when the object it shows (kind: its UniqueID, 0 for none) changed.
  void ShowPanel(THeldPanel& panel, int32_t kind,
                 const std::function<std::unique_ptr<TControlPanelModel>()>& create, QWidget* holder,
                 bool centreVertically);
  void SyncToolPanels();
  void ShowToolPanel(int32_t toolID);
  void RebuildObjectList();
  // The per-frame refresh of the object list: changed items, the selection and the panel pictures.
  void RefreshObjectList(const TWater& tank);
  void ShowSelectionButtons(const TSelectionButtons& buttons);
  QIcon ObjectPicture(const TObjectListItem& item) const;
  TFastDIB* PanelImageOf(int32_t toolID) const;
  // The popup menu an object offers on its list item.
  void ObjectListPopup(int index, const QPoint& globalPos);
  void RunListMenuEntry(const TListMenuEntry& entry);
  void UpdateDeleteButton();
  void UpdateExperimentButton();
  void UpdateSlideshowMenu();
  // A press anywhere in the window but on the info sheet's edits moves the keyboard focus from them to
  // Panel5, so they save their texts and the slide list shows them before the press changes the slide.
  void TakeFocusFromInfoSheet(QObject* pressed);
  void RefreshSlideItem(const TWater& tank);

  void BuildExperimentMenu();
  void ChooseExperiment(int classIndex);
  void MenuButtonClick();
  void OpenSlideshow1Click();
  void SaveSlideshow1Click();
  void CameraClipBtnClick();
  void CameraFileBtnClick();
  void WavoraHelp1Click();
  // Shows the running tank alone on the full screen, driven from the keyboard.
  void PresentationClick();
  // F1: the help page of the panel under the pointer or with the focus.
  void ShowHelpAtPointer();
  // Opens the help viewer at page ("name.html" or "name.html#section").
  void ShowHelp(const QString& page);
  void AboutWavora1Click();
  void ShowDebugPanelBTNClick();
  void DataListClick();
  void SetDebugRows(const std::vector<TDebugRow>& rows);
  void ExposureSliderChange(int position);
  // The lessons shipped in the examples folder, one entry each.
  void FillExamplesMenu();
  // Saves to the document's file, asking for a name when it has none; returns whether it was saved.
  bool SaveChanges();
  bool SaveSlideshowAs();

  void BoxMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void BoxMouseMove(TShiftState shift, int x, int y);
  void BoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

  std::unique_ptr<IMessageSink> messages_;
  TRef<TSlideshow> document_;
  TUnsavedChanges unsavedChanges_{*this};
  TFastDIB tankImage_;
  // Opened on first use; it shows tankImage_, so it is declared after it.
  std::unique_ptr<TPresentationWindow> presentation_;
  TFastDIB thumbnailImage_;  // scratch image for drawing slides
  std::vector<QImage> slideThumbnails_;
  // Since the running slide's thumbnail was last remade, and whether the tank picture changed since.
  QElapsedTimer thumbnailAge_;
  bool thumbnailStale_ = false;
  std::vector<QIcon> experimentImages_;
  TFrameLoop frameLoop_;
  QTimer frameTimer_;
  QTimer marqueeTimer_;
  bool settingExposure_ = false;
  bool mouseIsDown_ = false;
  int32_t previousActiveID_ = 0;
  // What the object list shows, item by item, and the selected object it last followed.
  std::vector<TObjectListItem> objectItems_;
  int32_t shownSelectedObjectID_ = -1;

  // Panels refer to objects of the document, so they are declared after it and go first.
  THeldPanel mediumPanel_;
  THeldPanel exciterPanel_;
  std::vector<THeldPanel> toolPanels_;
  int32_t toolPanelsTag_ = -1;

  QFrame* TankBack = nullptr;
  TTankBox* Box = nullptr;
  QFrame* Panel2 = nullptr;
  TCustomSpeedButton* ResetBtn = nullptr;
  TCustomSpeedButton* PauseButton = nullptr;
  QFrame* SlideshowHeader = nullptr;
  TCustomSpeedButton* ToolsTabButton = nullptr;
  TCustomSpeedButton* MenuButton = nullptr;
  QFrame* ToolBoxPanel = nullptr;
  QFrame* SlideShowPanel = nullptr;
  TCustomBitBtn* SlideShowModeBtn = nullptr;
  TCustomSpeedButton* NewSlideBtn = nullptr;
  TCustomSpeedButton* DeleteSlideBtn = nullptr;
  TScrollerList* SlideList = nullptr;
  TCustomBitBtn* CustomSpeedButton2 = nullptr;
  TCustomSpeedButton* DeleteObjectBtn = nullptr;
  TCustomSpeedButton* SnapToGrid = nullptr;
  TScrollerList* ObjectList = nullptr;
  QFrame* ExciterControlPanel = nullptr;
  QFrame* Panel1 = nullptr;
  TCustomBitBtn* ExperimentBtn = nullptr;
  QWidget* ControlPanelHolder = nullptr;
  QFrame* ToolControlPanel = nullptr;
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
  QFrame* DebugPanel = nullptr;
  QTableWidget* DataList = nullptr;
  TCustomSpeedButton* Button1 = nullptr;

  QMenu* SlideshowMenu = nullptr;
  QMenu* HelpMenu = nullptr;
  QMenu* ExperimentMenu = nullptr;
  QMenu* PopupMenu3 = nullptr;
  QMenu* ObjectMenu = nullptr;
  QAction* OpenSlideshow1 = nullptr;
  QAction* SaveSlideshow1 = nullptr;
  QMenu* Examples1 = nullptr;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
  QActionGroup* DisplayShapes = nullptr;
  THelpViewer* helpViewer_ = nullptr;  // made on the first request for help; a child window
};

}  // namespace wavora
