#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <chrono>

#include "document/object_commands.h"
#include "sim/exciter.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"
#include "sim/unique_id.h"
#include "ui/clip_commands.h"
#include "ui/clipboard_commands.h"
#include "ui/debug_panel.h"
#include "ui/experiment_menu.h"
#include "ui/file_commands.h"
#include "ui/help_menu.h"
#include "ui/info_sheet.h"
#include "ui/language.h"
#include "ui/presentation_window.h"
#include "ui/slides_tab.h"
#include "ui/tank_box.h"
#include "ui/tank_keys.h"
#include "ui/tool_panels.h"
#include "ui/tools_tab.h"
#include "ui/user_settings.h"
#include "ui/window_frames.h"
#include "ui/worksheet_command.h"
#include "widgets/custom_bit_btn.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kMarqueeMs = 150;

// Calls back on every mouse press the application delivers, before the pressed object sees it.
class TPressWatcher : public QObject {
 public:
  TPressWatcher(QObject* parent, std::function<void(QObject*)> onPress)
      : QObject(parent), onPress_(std::move(onPress)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) onPress_(watched);
    return false;
  }

 private:
  std::function<void(QObject*)> onPress_;
};

bool IsDebugSwitch(const QString& argument) {
  return (argument.startsWith(QLatin1Char('-')) || argument.startsWith(QLatin1Char('/'))) &&
         argument.mid(1).compare(QLatin1String("debug"), Qt::CaseInsensitive) == 0;
}

}  // namespace

TMainForm::TMainForm(const QStringList& arguments, std::unique_ptr<IMessageSink> sink)
    : messages_(sink ? std::move(sink) : std::make_unique<TMessageBoxSink>(this)) {
  setObjectName(QStringLiteral("TMainForm"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);
  setAutoFillBackground(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  CreateControls();
  CreateMenus();
  SetupMainWindow(arguments);
  // Buttons and the slide list take no focus: presses on them are seen on their way in.
  QCoreApplication::instance()->installEventFilter(
      new TPressWatcher(this, [this](QObject* pressed) { TakeFocusFromInfoSheet(pressed); }));
}

TMainForm::~TMainForm() {
  frameTimer_.stop();
  // Panels refer to objects of the document: they go before it.
  toolPanels_->Clear();
  mediumPanel_.Release();
  exciterPanel_.Release();
  // The sheet stores what was typed into the current slide as it loses the focus, which closing the
  // window takes from it: it goes while the document is still here.
  delete InfoControlPanel;
}

// ---------------------------------------------------------------------------------------------------
// Controls

void TMainForm::CreateControls() {
  new TPanelFrame(this, "TankBack", QRect(208, 18, 417, 417), QColor(46, 52, 62), QColor(30, 34, 40));
  Box = new TTankBox(tankImage_, this);
  Box->setObjectName(QStringLiteral("Box"));
  Box->setGeometry(216, 26, 401, 401);
  ConnectTankBox(Box);
  tankKeys_ =
      new TTankKeys(*Box, {[this] { return GetCurrentWater(); }, [this] { tools_->DeleteToolBtnClick(); },
                           [this] { PauseButton->click(); }});

  auto* panel2 = new TPanelFrame(this, "Panel2", QRect(17, 18, 175, 50));
  ResetBtn =
      SpeedButton(panel2, "ResetBtn", QRect(6, 5, 80, 40), WavoraIcon(TIcon::ClearWater), rs::ClearTheWater);
  PauseButton = SpeedButton(panel2, "PauseButton", QRect(89, 5, 80, 40), WavoraIcon(TIcon::Freeze),
                            rs::FreezeTheWater, 1);
  connect(ResetBtn, &QAbstractButton::clicked, this, [this] {
    if (const TRef<TWater> tank = GetCurrentWater()) tank->ClearField();
  });
  connect(PauseButton, &QAbstractButton::toggled, this, [this](bool down) { frameLoop_.paused = down; });

  auto* underTank = new TPanelFrame(this, "ToolControlPanel", QRect(208, 450, 417, 169));
  toolPanels_ = std::make_unique<TToolPanels>(*underTank, [this](bool panelShown) {
    if (InfoControlPanel->isVisible() == panelShown) InfoControlPanel->setVisible(!panelShown);
  });

  // The left column: the tab buttons over the Tools and Slides tabs, which share one place.
  auto* header = new QFrame(this);
  header->setObjectName(QStringLiteral("SlideshowHeader"));
  header->setGeometry(17, 88, 178, 38);
  ToolsTabButton =
      SpeedButton(header, "ToolsTabButton", QRect(0, 0, 88, 34), WavoraIcon(TIcon::ToolsTab), {}, 1);
  MenuButton = SpeedButton(header, "MenuButton", QRect(90, 0, 88, 34), WavoraIcon(TIcon::SlidesTab), {}, 1);
  ToolsTabButton->SetDown(true);
  connect(ToolsTabButton, &QAbstractButton::clicked, this, &TMainForm::MenuButtonClick);
  connect(MenuButton, &QAbstractButton::clicked, this, &TMainForm::MenuButtonClick);

  ExperimentMenu = new TExperimentMenu(this, [this](int classIndex) { ChooseExperiment(classIndex); });
  const QRect column(17, 125, 178, 494);
  tools_ = new TToolsTab(this, column,
                         {[this] { return GetCurrentWater(); }, *toolPanels_, *ExperimentMenu, *messages_,
                          [this](const TWater& tank) {
                            SlideListClick();
                            slides_->RefreshSlideItem(tank);
                          }});
  slides_ = new TSlidesTab(this, column,
                           {document_, tankImage_, [this] { return frameTimer_.isActive(); }, *messages_,
                            [this] { SlideListClick(); },
                            [this](const QPoint& place) {
                              UpdateSlideshowMenu();
                              SlideshowMenu->popup(place);
                            }});
  slides_->hide();

  CreateRightColumn();
  InfoControlPanel = new TInfoSheet(
      underTank, [this] { return GetCurrentWater(); },
      [this](const TWater& tank) { slides_->RefreshSlideItem(tank); });
  InfoControlPanel->setGeometry(1, 1, 415, 167);
  InfoControlPanel->hide();
  debug_ = new TDebugPanel(this, *ShowDebugPanelBTN, [this] { frameLoop_.fast = !frameLoop_.fast; });
}

void TMainForm::ConnectTankBox(TTankBox* box) {
  connect(box, &TTankBox::BoxMouseDown, this, &TMainForm::BoxMouseDown);
  connect(box, &TTankBox::BoxMouseMove, this, &TMainForm::BoxMouseMove);
  connect(box, &TTankBox::BoxMouseUp, this, &TMainForm::BoxMouseUp);
}

void TMainForm::CreateRightColumn() {
  ExciterControlPanel = new TPanelFrame(this, "ExciterControlPanel", QRect(640, 18, 177, 201));

  auto* panel1 = new TPanelFrame(this, "Panel1", QRect(640, 234, 177, 201));
  ExperimentBtn =
      wavora::MenuButton(panel1, "ExperimentBtn", QRect(6, 6, 165, 40), QIcon(), rs::ExperimentHint);
  connect(ExperimentBtn, &QAbstractButton::clicked, this, [this] {
    if (GetCurrentWater())
      ExperimentMenu->popup(ExperimentBtn->mapToGlobal(QPoint(0, ExperimentBtn->height())));
  });
  ControlPanelHolder = new QWidget(panel1);
  ControlPanelHolder->setObjectName(QStringLiteral("ControlPanelHolder"));
  ControlPanelHolder->setGeometry(1, 50, 175, 150);

  Panel5 = new TPanelFrame(this, "Panel5", QRect(640, 450, 177, 169));
  Panel5->setFocusPolicy(Qt::ClickFocus);
  ControlsLabel = Caption(Panel5, "ControlsLabel", QRect(10, 6, 120, 20));
  ShowDebugPanelBTN =
      SpeedButton(Panel5, "ShowDebugPanelBTN", QRect(147, 5, 24, 22), QIcon(), rs::DebugPanelHint, 3);
  ShowDebugPanelBTN->SetCaption(QtText(rs::ShowDebugPanel));
  ShowDebugPanelBTN->hide();
  connect(ShowDebugPanelBTN, &QAbstractButton::clicked, this, [this] { debug_->FollowToggle(); });

  DripButton =
      SpeedButton(Panel5, "DripButton", QRect(6, 28, 81, 34), WavoraIcon(TIcon::Drips), rs::MakeDrips, 4);
  HelpButton =
      SpeedButton(Panel5, "HelpButton", QRect(90, 28, 81, 34), WavoraIcon(TIcon::Help), rs::HelpHint);
  CameraClipBtn = SpeedButton(Panel5, "CameraClipBtn", QRect(6, 66, 81, 34), WavoraIcon(TIcon::CameraCopy),
                              rs::CopySnapshotHint, 5);
  CameraFileBtn = SpeedButton(Panel5, "CameraFileBtn", QRect(90, 66, 81, 34), WavoraIcon(TIcon::CameraSave),
                              rs::SaveSnapshotHint);
  connect(DripButton, &QAbstractButton::toggled, this, [this](bool down) {
    const Qt::CursorShape cursor = down ? Qt::PointingHandCursor : Qt::ArrowCursor;
    Box->setCursor(cursor);
    if (presentation_) presentation_->Box().setCursor(cursor);
  });
  connect(HelpButton, &QAbstractButton::clicked, this, [this] {
    HelpMenu->popup(HelpButton->mapToGlobal(QPoint(HelpButton->width(), HelpButton->height())));
  });
  // The copy button stays down for a moment, so the user sees the picture was taken.
  connect(CameraClipBtn, &QAbstractButton::clicked, this, [this] {
    if (!CameraClipBtn->Down()) return;
    clipboard_->CopySnapshot();
    marqueeTimer_.start();
  });
  connect(CameraFileBtn, &QAbstractButton::clicked, this, [this] { clipboard_->SaveSnapshot(); });
  clips_ = new TClipCommands(*this, *Panel5, {tankImage_, *messages_});
  marqueeTimer_.setSingleShot(true);
  marqueeTimer_.setInterval(kMarqueeMs);
  connect(&marqueeTimer_, &QTimer::timeout, this, [this] { CameraClipBtn->SetDown(false); });

  ContrastLabel = Caption(Panel5, "ContrastLabel", QRect(10, 106, 120, 20));
  ExposureSlider = new TCustomTrackBar(Panel5);
  ExposureSlider->setObjectName(QStringLiteral("ExposureSlider"));
  ExposureSlider->setOrientation(Qt::Horizontal);
  ExposureSlider->setGeometry(6, 126, 165, 36);
  ExposureSlider->SetMin(0);
  ExposureSlider->SetMax(100);
  ExposureSlider->SetFrequency(10);
  ExposureSlider->SetPosition(50);
  ExposureSlider->SetHint(QtText(rs::AdjustContrast));
  ContrastLabel->setBuddy(ExposureSlider);  // names the slider for screen readers
  connect(ExposureSlider, &TCustomTrackBar::Change, this, [this](int position) {
    if (settingExposure_) return;
    if (const TRef<TWater> tank = GetCurrentWater()) tank->SetExposure(ExposureFromSliderPosition(position));
  });
}

void TMainForm::CreateMenus() {
  files_ = new TFileCommands(
      *this, {document_, *messages_, [this](const TRef<TSlideshow>& slideshow) { Adopt(slideshow); }});
  clipboard_ = new TClipboardCommands(*this, {document_, tankImage_, *messages_,
                                              [this] {
                                                slides_->RebuildSlideList();
                                                SlideListClick();
                                              },
                                              [this] { slides_->RemoveMapButtonClick(); }});
  SlideshowMenu = new QMenu(this);
  SlideshowMenu->setObjectName(QStringLiteral("SlideshowMenu"));
  files_->AddMenuEntries(*SlideshowMenu);
  // The slides run as copies, and the frames stop meanwhile: both would read the stopwatches' clock.
  PrintWorksheet1 = SlideshowMenu->addAction(QString(), this, [this] {
    frameTimer_.stop();
    PrintWorksheet(*this, *document_, *messages_);
    frameTimer_.start();
  });
  PrintWorksheet1->setObjectName(QStringLiteral("PrintWorksheet1"));
  SlideshowMenu->addSeparator();
  clipboard_->AddMenuEntries(*SlideshowMenu);

  HelpMenu = new THelpMenu(
      {*this, *messages_, [this] { return GetCurrentWater(); }, [this](int tag) { SetDisplayShape(tag); },
       [this] { PresentationClick(); }, [this](const QString& code) { Speak(code); },
       [this](bool on) { SetHighContrast(on); }, [this](bool on) { frameLoop_.theory = on; }});
}

void TMainForm::SetupMainWindow(const QStringList& arguments) {
  // Identifiers differ from one start of the window to the next (the command-line runner keeps the
  // fixed sequence so that its output repeats).
  SeedUniqueIDs(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  document_ = MakeNode<TSlideshow>();
  document_->SetTankSize(Box->width(), Box->height());
  tankImage_.SetSize(Box->width(), Box->height());
  slides_->NewSlideBtnClick();  // lists the slide and shows it

  frameTimer_.setTimerType(Qt::PreciseTimer);
  frameTimer_.setInterval(TFrameLoop::kTimerIntervalMs);
  connect(&frameTimer_, &QTimer::timeout, this, &TMainForm::RunFrame);
  QThread::currentThread()->setPriority(QThread::HighPriority);

  InfoControlPanel->show();
  RunFrame();
  frameTimer_.start();
  ApplyCaptions();
  HelpMenu->CheckHighContrast(TUserSettings::HighContrast());
  ShowColours();
  files_->UnsavedChanges().MatchesFile(*document_, QString());

  ShowDebugPanelBTN->setVisible(std::any_of(arguments.begin(), arguments.end(), IsDebugSwitch));
  for (const QString& argument : arguments) {
    if (!IsDebugSwitch(argument) && QFileInfo(argument).isFile()) {
      files_->OpenSlideshowFile(argument);
      break;
    }
  }
}

void TMainForm::ApplyCaptions() {
  setWindowTitle(QtText(rs::AppTitle));
  ControlsLabel->setText(QtText(rs::Controls));
  ContrastLabel->setText(QtText(rs::Contrast));
  ToolsTabButton->SetCaption(QtText(rs::ToolsTab));
  MenuButton->SetCaption(QtText(rs::SlidesTab));
  DripButton->SetCaption(QtText(rs::Drips));
  HelpButton->SetCaption(QtText(rs::HelpCaption));
  CameraClipBtn->SetCaption(QtText(rs::CopyCaption));
  CameraFileBtn->SetCaption(QtText(rs::SaveCaption));
  tools_->ApplyCaptions();
  files_->ApplyCaptions();
  clipboard_->ApplyCaptions();
  clips_->ApplyCaptions();
  PrintWorksheet1->setText(QtText(rs::PrintWorksheet));
  HelpMenu->ApplyCaptions();
}

void TMainForm::Speak(const QString& code) {
  RememberLanguage(code);
  SpeakLanguage(code);
  ApplyCaptions();
  ExperimentMenu->ApplyCaptions();
  RemakePanels();
}

// ---------------------------------------------------------------------------------------------------
// Frames

void TMainForm::RunFrame() {
  const TRef<TWater> tank = GetCurrentWater();
  frameLoop_.mouseIsDown = mouseIsDown_;
  const TFrameOutcome outcome = frameLoop_.RunFrame(tank.Get(), tankImage_, debug_->isVisible());
  if (outcome.imageChanged) {
    Box->update();
    if (presentation_) presentation_->Box().update();
  }
  clips_->FollowFrame();
  tankKeys_->FollowFrame();
  files_->UnsavedChanges().ShowChangeMark(*document_);

  if (outcome.activePanelTool) {
    toolPanels_->Update(*outcome.activePanelTool);
  } else {
    toolPanels_->Show(0);
  }
  tools_->ShowSelectionButtons(outcome.buttons);
  if (MenuButton->Down()) {
    slides_->FollowFrame(outcome.imageChanged);
  } else if (tank) {
    tools_->FollowFrame(*tank);
  }
  if (!outcome.statistics.empty()) debug_->SetRows(outcome.statistics);
}

void TMainForm::SetDisplayShape(int tag) {
  // A clip keeps one size: the recording ends before the display changes.
  clips_->StopAndSave();
  const TDisplayShape shape = DisplayShapeOfTag(tag);
  Box->resize(shape.width, shape.height);
  files_->UnsavedChanges().ChangeTankShape(*document_, shape.width, shape.height);
  tankImage_.SetSize(shape.width, shape.height);
  const TBoxPlacement place = CentreOnTankFrame(shape);
  Box->move(place.left, place.top);
  HelpMenu->CheckDisplayShape(tag);
  slides_->RebuildThumbnails();
  Box->update();
}

void TMainForm::SetHighContrast(bool on) {
  TUserSettings::SetHighContrast(on);
  HelpMenu->CheckHighContrast(on);
  ShowColours();
  RemakePanels();
}

void TMainForm::RemakePanels() {
  toolPanels_->Clear();
  mediumPanel_.Release();
  exciterPanel_.Release();
  SlideListClick();
}

void TMainForm::ShowColours() {
  const bool high = TUserSettings::HighContrast();
  UseHighContrastColours(high);
  frameLoop_.highContrast = high;
  // The platform's palette, kept as it was before any change, so that switching back restores it.
  static const QPalette platform = QApplication::palette();
  const TWidgetColours& scheme = WidgetColours();
  QPalette colours = platform;
  if (high) {
    // Menus, dialogs and the help window are windows of their own: the application's palette
    // reaches them.
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase})
      colours.setColor(role, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                           QPalette::ToolTipText, QPalette::BrightText})
      colours.setColor(role, Qt::white);
    colours.setColor(QPalette::Highlight, QColor(scheme.accent));
    colours.setColor(QPalette::HighlightedText, Qt::black);
    colours.setColor(QPalette::PlaceholderText, QColor(scheme.textDisabled));
    colours.setColor(QPalette::Disabled, QPalette::WindowText, QColor(scheme.textDisabled));
    colours.setColor(QPalette::Disabled, QPalette::Text, QColor(scheme.textDisabled));
  }
  QApplication::setPalette(colours);
  QPalette window = colours;
  window.setColor(QPalette::Window, QColor(scheme.window));
  window.setColor(QPalette::WindowText, QColor(scheme.text));
  window.setColor(QPalette::Base, QColor(scheme.listBackground));
  window.setColor(QPalette::Text, QColor(scheme.text));
  setPalette(window);
  for (QWidget* part : findChildren<QWidget*>())
    part->update();
}

void TMainForm::PresentationClick() {
  if (!presentation_) {
    presentation_ = std::make_unique<TPresentationWindow>(
        tankImage_,
        TPresentationCommands{[this] { PauseButton->click(); }, [this] { ResetBtn->click(); },
                              [this] { debug_->PressFastForward(); }, [this] { DripButton->click(); },
                              [this] { slides_->Step(1); }, [this] { slides_->Step(-1); }},
        this);
    ConnectTankBox(&presentation_->Box());
    presentation_->Box().setCursor(Box->cursor());
  }
  presentation_->ShowOn(*screen());
}

void TMainForm::BoxMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (const TRef<TWater> tank = GetCurrentWater()) {
    tank->SetDripMode(DripButton->Down());
    tank->MouseDown(button, shift, x, y);
    tank->SetDripMode(false);
  }
  mouseIsDown_ = true;
  // A press on the window's tank gives it the keyboard (taking it from the info sheet on the way).
  if (!Box->hasFocus()) Panel5->setFocus();
}

void TMainForm::BoxMouseMove(TShiftState shift, int x, int y) {
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank) return;
  tank->MouseMove(shift, x, y);
  if (debug_->isVisible() && !mouseIsDown_)
    debug_->SetRows(PointerReadouts(*tank, x, y, frameLoop_.FrameRate()));
}

void TMainForm::BoxMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (const TRef<TWater> tank = GetCurrentWater()) tank->MouseUp(button, shift, x, y);
  mouseIsDown_ = false;
}

void TMainForm::TakeFocusFromInfoSheet(QObject* pressed) {
  const auto* widget = qobject_cast<const QWidget*>(pressed);
  if (!widget || (widget != this && !isAncestorOf(widget))) return;
  if (InfoControlPanel->Holds(widget)) return;
  // The window's own background takes the focus from any control, as a click beside a control does.
  if (widget == this || InfoControlPanel->Holds(focusWidget())) Panel5->setFocus();
}

// ---------------------------------------------------------------------------------------------------
// The slide on show

void TMainForm::SlideListClick() {
  const int32_t previous = slides_->ShownID();
  for (int i = 0; i < document_->GetChildCount(); ++i) {
    const TRef<TWater> tank = document_->GetWater(i);
    if (tank && tank->GetUniqueID() == previous) {
      DeactivateTools(*tank);
      toolPanels_->Show(0);
    }
  }
  slides_->LeaveShown();

  document_->ActiveID = slides_->SelectedID();
  const TRef<TWater> tank = GetCurrentWater();
  mediumPanel_.Show(
      tank ? tank->RIMapUniqueID() : 0, [&tank] { return tank->CreateRIMapControlPanel(); },
      ControlPanelHolder, true);
  // A slide read without a source gets its source here, so that the source's panel shows.
  const TRef<TBaseExciter> source = tank ? tank->GetExciter() : TRef<TBaseExciter>();
  exciterPanel_.Show(
      source ? source->GetUniqueID() : 0, [&tank] { return tank->CreateExciterControlPanel(); },
      ExciterControlPanel, false);
  {
    const QSignalBlocker quiet(ExposureSlider);
    settingExposure_ = true;
    ExposureSlider->SetPosition(tank ? SliderPositionFromExposure(tank->GetExposure()) : 50);
    settingExposure_ = false;
  }
  ExposureSlider->update();
  tools_->FollowTank();
  UpdateExperimentButton();
  InfoControlPanel->ShowSlide(slides_->SelectedIndex() + 1);
  UpdateSlideshowMenu();
  slides_->ShowSelected();
}

void TMainForm::Adopt(const TRef<TSlideshow>& slideshow) {
  // The panels refer to objects of the old document, which goes now.
  toolPanels_->Clear();
  mediumPanel_.Release();
  exciterPanel_.Release();
  document_ = slideshow;
  slides_->ShowDocument();
  SlideListClick();
  MenuButton->SetDown(true);
  MenuButtonClick();
}

void TMainForm::UpdateExperimentButton() {
  const TRef<TWater> tank = GetCurrentWater();
  const TRef<TBaseRIMap> medium = tank ? tank->GetRIMap() : TRef<TBaseRIMap>();
  const int index = medium ? MapClassIndexOf(medium->ClassInfo().ClassName()) : -1;
  ExperimentBtn->SetGlyph(ExperimentMenu->Picture(index));
  ExperimentBtn->SetCaption(index >= 0 ? QtText(TranslatedText(MapClass(index)->TypeName()))
                                       : QtText(rs::Experiment));
}

void TMainForm::UpdateSlideshowMenu() {
  files_->UpdateMenu();
  PrintWorksheet1->setEnabled(document_->SlideCount() > 0);
  clipboard_->UpdateMenu();
}

void TMainForm::ChooseExperiment(int classIndex) {
  const TRef<TWater> tank = GetCurrentWater();
  const TClassInfo* mapClass = MapClass(classIndex);
  if (!tank || !mapClass) return;
  tank->SetRIMapClass(*mapClass);
  SlideListClick();
  slides_->RefreshSlideItem(*tank);
}

void TMainForm::MenuButtonClick() {
  slides_->setVisible(MenuButton->Down());
  tools_->setVisible(ToolsTabButton->Down());
  if (MenuButton->Down()) slides_->Reveal();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (files_->MayGiveUpDocument()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace wavora
