#include "ui/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTableWidget>
#include <QThread>
#include <algorithm>
#include <chrono>

#include "document/example_order.h"
#include "document/object_commands.h"
#include "document/slide_clipboard.h"
#include "document/slide_commands.h"
#include "image/snapshot_file.h"
#include "model/file_text.h"
#include "model/node_files.h"
#include "sim/control_panel_tool.h"
#include "sim/exciter.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "sim/tool_panel.h"
#include "sim/unique_id.h"
#include "ui/about_box.h"
#include "ui/data_folder.h"
#include "ui/dib_image.h"
#include "ui/file_dialogs.h"
#include "ui/general_exciter_view.h"
#include "ui/help_topics.h"
#include "ui/help_viewer.h"
#include "ui/info_sheet.h"
#include "ui/object_item.h"
#include "ui/panel_views.h"
#include "ui/presentation_window.h"
#include "ui/slide_item.h"
#include "ui/tank_box.h"
#include "widgets/custom_bit_btn.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"
#include "widgets/scroller_list.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

constexpr int kMarqueeMs = 150;
// The running slide's thumbnail is remade at most four times a second.
constexpr int kThumbnailIntervalMs = 250;
constexpr int kExperimentImageSize = 28;
// Preview tanks are four times the picture's width, run a little so their waves show.
constexpr int kPreviewTankSize = 4 * kExperimentImageSize;
constexpr int kPreviewSteps = 60;

// A rounded area of the window: light panels for controls, a dark one behind the tank.
class TPanelFrame : public QFrame {
 public:
  TPanelFrame(QWidget* parent, const char* name, const QRect& geometry,
              QColor fill = QColor(palette::kListBackground), QColor border = QColor(palette::kBorder))
      : QFrame(parent), fill_(fill), border_(border) {
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border_, 1));
    painter.setBrush(fill_);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  }

 private:
  QColor fill_;
  QColor border_;
};

// A flat button; with a group index it latches, and AllowAllUp lets it come up again.
TCustomSpeedButton* SpeedButton(QWidget* parent, const char* name, const QRect& geometry, const QIcon& glyph,
                                std::string_view hint, int groupIndex = 0) {
  auto* button = new TCustomSpeedButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->SetGlyph(glyph);
  button->SetHint(QtText(hint));
  if (groupIndex > 0) {
    button->SetGroupIndex(groupIndex);
    button->SetAllowAllUp(true);
  }
  return button;
}

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

QLabel* Caption(QWidget* parent, const char* name, const QRect& geometry, bool bold = true) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
  return label;
}

QString SlideFormat() {
  return QtText(kSlideClipboardFormat);
}

bool ClipboardOffersSlide() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(SlideFormat());
}

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
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(palette::kWindow));
  colours.setColor(QPalette::WindowText, QColor(palette::kText));
  setPalette(colours);
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
  toolPanels_.clear();
  mediumPanel_.Release();
  exciterPanel_.Release();
}

// ---------------------------------------------------------------------------------------------------
// Controls

void TMainForm::CreateControls() {
  TankBack =
      new TPanelFrame(this, "TankBack", QRect(208, 18, 417, 417), QColor(46, 52, 62), QColor(30, 34, 40));
  Box = new TTankBox(tankImage_, this);
  Box->setObjectName(QStringLiteral("Box"));
  Box->setGeometry(216, 26, 401, 401);
  ConnectTankBox(Box);

  Panel2 = new TPanelFrame(this, "Panel2", QRect(17, 18, 175, 50));
  ResetBtn =
      SpeedButton(Panel2, "ResetBtn", QRect(6, 5, 80, 40), WavoraIcon(TIcon::ClearWater), rs::ClearTheWater);
  PauseButton = SpeedButton(Panel2, "PauseButton", QRect(89, 5, 80, 40), WavoraIcon(TIcon::Freeze),
                            rs::FreezeTheWater, 1);
  connect(ResetBtn, &QAbstractButton::clicked, this, [this] {
    if (const TRef<TWater> tank = GetCurrentWater()) tank->ClearField();
  });
  connect(PauseButton, &QAbstractButton::toggled, this, [this](bool down) { frameLoop_.paused = down; });

  CreateLeftColumn();
  CreateRightColumn();
  CreateInfoSheet();
  CreateDebugPanel();
}

void TMainForm::ConnectTankBox(TTankBox* box) {
  connect(box, &TTankBox::BoxMouseDown, this, &TMainForm::BoxMouseDown);
  connect(box, &TTankBox::BoxMouseMove, this, &TMainForm::BoxMouseMove);
  connect(box, &TTankBox::BoxMouseUp, this, &TMainForm::BoxMouseUp);
}

void TMainForm::CreateLeftColumn() {
  SlideshowHeader = new QFrame(this);
  SlideshowHeader->setObjectName(QStringLiteral("SlideshowHeader"));
  SlideshowHeader->setGeometry(17, 88, 178, 38);
  ToolsTabButton =
      SpeedButton(SlideshowHeader, "ToolsTabButton", QRect(0, 0, 88, 34), WavoraIcon(TIcon::ToolsTab), {}, 1);
  MenuButton =
      SpeedButton(SlideshowHeader, "MenuButton", QRect(90, 0, 88, 34), WavoraIcon(TIcon::SlidesTab), {}, 1);
  ToolsTabButton->SetDown(true);
  connect(ToolsTabButton, &QAbstractButton::clicked, this, &TMainForm::MenuButtonClick);
  connect(MenuButton, &QAbstractButton::clicked, this, &TMainForm::MenuButtonClick);

  const QRect column(17, 125, 178, 494);
  ToolBoxPanel = new TPanelFrame(this, "ToolBoxPanel", column);
  CustomSpeedButton2 = new TCustomBitBtn(ToolBoxPanel);
  CustomSpeedButton2->setObjectName(QStringLiteral("CustomSpeedButton2"));
  CustomSpeedButton2->setGeometry(6, 6, 58, 34);
  CustomSpeedButton2->SetGlyph(WavoraIcon(TIcon::ToolsTab));
  CustomSpeedButton2->SetMenuArrow(true);
  CustomSpeedButton2->SetHint(QtText(rs::AddToolHint));
  DeleteObjectBtn = SpeedButton(ToolBoxPanel, "DeleteObjectBtn", QRect(70, 6, 50, 34),
                                WavoraIcon(TIcon::DeleteObject), rs::DeleteObjectHint);
  SnapToGrid = SpeedButton(ToolBoxPanel, "SnapToGrid", QRect(122, 6, 50, 34), WavoraIcon(TIcon::SnapToGrid),
                           rs::SnapHint, 1);
  DeleteObjectBtn->setEnabled(false);
  SnapToGrid->setEnabled(false);
  connect(CustomSpeedButton2, &QAbstractButton::clicked, this, &TMainForm::ToolBoxButtonClick);
  connect(DeleteObjectBtn, &QAbstractButton::clicked, this, &TMainForm::DeleteToolBtnClick);
  connect(SnapToGrid, &QAbstractButton::clicked, this, &TMainForm::SnapToGridClick);

  ObjectList = new TScrollerList(ToolBoxPanel);
  ObjectList->setObjectName(QStringLiteral("ObjectList"));
  ObjectList->setGeometry(4, 46, column.width() - 8, column.height() - 50);
  ObjectList->SetDrawItem([this](QPainter& painter, int index, const QRect& rect, bool selected) {
    if (index < 0 || index >= int(objectItems_.size())) return;
    const TObjectListItem& item = objectItems_[size_t(index)];
    DrawObjectItem(painter, item, rect, selected, ObjectPicture(item), PanelImageOf(item.uniqueID));
  });
  ObjectList->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ObjectList, &TScrollerList::Click, this, [this](int) { ObjectListClick(); });
  connect(ObjectList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    ObjectListPopup(ObjectList->IndexAt(pos), ObjectList->mapToGlobal(pos));
  });

  SlideShowPanel = new TPanelFrame(this, "SlideShowPanel", column);
  SlideShowPanel->hide();
  SlideShowModeBtn = new TCustomBitBtn(SlideShowPanel);
  SlideShowModeBtn->setObjectName(QStringLiteral("SlideShowModeBtn"));
  SlideShowModeBtn->setGeometry(6, 6, 58, 34);
  SlideShowModeBtn->SetGlyph(WavoraIcon(TIcon::SlideshowMenu));
  SlideShowModeBtn->SetMenuArrow(true);
  SlideShowModeBtn->SetHint(QtText(rs::SlideshowMenuHint));
  NewSlideBtn = SpeedButton(SlideShowPanel, "NewSlideBtn", QRect(70, 6, 50, 34), WavoraIcon(TIcon::NewSlide),
                            rs::NewSlide);
  DeleteSlideBtn = SpeedButton(SlideShowPanel, "DeleteSlideBtn", QRect(122, 6, 50, 34),
                               WavoraIcon(TIcon::DeleteSlide), rs::DeleteSlide);
  connect(SlideShowModeBtn, &QAbstractButton::clicked, this, [this] {
    UpdateSlideshowMenu();
    SlideshowMenu->popup(SlideShowModeBtn->mapToGlobal(QPoint(0, SlideShowModeBtn->height())));
  });
  connect(NewSlideBtn, &QAbstractButton::clicked, this, &TMainForm::NewSlideBtnClick);
  connect(DeleteSlideBtn, &QAbstractButton::clicked, this, &TMainForm::RemoveMapButtonClick);

  SlideList = new TScrollerList(SlideShowPanel);
  SlideList->setObjectName(QStringLiteral("SlideList"));
  SlideList->setGeometry(4, 46, column.width() - 8, column.height() - 50);
  SlideList->SetItemHeight(kSlideItemHeight);
  SlideList->SetDragReorder(true);
  SlideList->SetDrawItem([this](QPainter& painter, int index, const QRect& rect, bool selected) {
    const QImage thumbnail =
        index < int(slideThumbnails_.size()) ? slideThumbnails_[size_t(index)] : QImage();
    DrawSlideItem(painter, index, SlideList->ItemText(index), thumbnail, rect, selected);
  });
  connect(SlideList, &TScrollerList::Click, this, [this](int) { SlideListClick(); });
  connect(SlideList, &TScrollerList::MoveListItem, this, &TMainForm::SlideListMoveListItem);
}

void TMainForm::CreateRightColumn() {
  ExciterControlPanel = new TPanelFrame(this, "ExciterControlPanel", QRect(640, 18, 177, 201));

  Panel1 = new TPanelFrame(this, "Panel1", QRect(640, 234, 177, 201));
  ExperimentBtn = new TCustomBitBtn(Panel1);
  ExperimentBtn->setObjectName(QStringLiteral("ExperimentBtn"));
  ExperimentBtn->setGeometry(6, 6, 165, 40);
  ExperimentBtn->SetMenuArrow(true);
  ExperimentBtn->SetHint(QtText(rs::ExperimentHint));
  connect(ExperimentBtn, &QAbstractButton::clicked, this, [this] {
    if (GetCurrentWater())
      ExperimentMenu->popup(ExperimentBtn->mapToGlobal(QPoint(0, ExperimentBtn->height())));
  });
  ControlPanelHolder = new QWidget(Panel1);
  ControlPanelHolder->setObjectName(QStringLiteral("ControlPanelHolder"));
  ControlPanelHolder->setGeometry(1, 50, 175, 150);

  Panel5 = new TPanelFrame(this, "Panel5", QRect(640, 450, 177, 169));
  Panel5->setFocusPolicy(Qt::ClickFocus);
  ControlsLabel = Caption(Panel5, "ControlsLabel", QRect(10, 6, 120, 20));
  ShowDebugPanelBTN =
      SpeedButton(Panel5, "ShowDebugPanelBTN", QRect(147, 5, 24, 22), QIcon(), rs::DebugPanelHint, 3);
  ShowDebugPanelBTN->SetCaption(QtText(rs::ShowDebugPanel));
  ShowDebugPanelBTN->hide();
  connect(ShowDebugPanelBTN, &QAbstractButton::clicked, this, &TMainForm::ShowDebugPanelBTNClick);

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
  connect(CameraClipBtn, &QAbstractButton::clicked, this, &TMainForm::CameraClipBtnClick);
  connect(CameraFileBtn, &QAbstractButton::clicked, this, &TMainForm::CameraFileBtnClick);
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
  connect(ExposureSlider, &TCustomTrackBar::Change, this, &TMainForm::ExposureSliderChange);
}

void TMainForm::CreateInfoSheet() {
  ToolControlPanel = new TPanelFrame(this, "ToolControlPanel", QRect(208, 450, 417, 169));
  InfoControlPanel = new TInfoSheet(
      ToolControlPanel, [this] { return GetCurrentWater(); },
      [this](const TWater& tank) { RefreshSlideItem(tank); });
  InfoControlPanel->setGeometry(1, 1, 415, 167);
  InfoControlPanel->hide();
}

void TMainForm::CreateDebugPanel() {
  DebugPanel = new TPanelFrame(this, "DebugPanel", QRect(22, 288, 168, 265), QColor(255, 255, 255));
  DebugPanel->hide();
  DebugPanel->installEventFilter(this);
  DataList = new QTableWidget(0, 2, DebugPanel);
  DataList->setObjectName(QStringLiteral("DataList"));
  DataList->setGeometry(5, 5, 158, 218);
  DataList->horizontalHeader()->hide();
  DataList->verticalHeader()->hide();
  DataList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  DataList->horizontalHeader()->setStretchLastSection(true);
  DataList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  DataList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DataList->setSelectionMode(QAbstractItemView::NoSelection);
  DataList->setFocusPolicy(Qt::NoFocus);
  DataList->viewport()->installEventFilter(this);
  SetDebugRows({{"Draw rate", "-"}, {"CPU Usage", "-"}, {"Displacement", "-"}, {"Speed", "-"}, {"n", "-"}});

  Button1 = SpeedButton(DebugPanel, "Button1", QRect(5, 227, 158, 32), QIcon(), {}, 6);
  Button1->SetCaption(QtText(rs::FastForward));
  connect(Button1, &QAbstractButton::clicked, this, [this] { frameLoop_.fast = !frameLoop_.fast; });
}

void TMainForm::CreateMenus() {
  SlideshowMenu = new QMenu(this);
  SlideshowMenu->setObjectName(QStringLiteral("SlideshowMenu"));
  OpenSlideshow1 = SlideshowMenu->addAction(QString(), this, &TMainForm::OpenSlideshow1Click);
  SaveSlideshow1 = SlideshowMenu->addAction(QString(), this, &TMainForm::SaveSlideshow1Click);
  SaveSlideshow1->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
  Examples1 = SlideshowMenu->addMenu(QString());
  Examples1->setObjectName(QStringLiteral("Examples1"));
  FillExamplesMenu();
  SlideshowMenu->addSeparator();
  Cut1 = SlideshowMenu->addAction(QString(), this, &TMainForm::Cut1Click);
  Cut1->setObjectName(QStringLiteral("Cut1"));
  Cut1->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
  Copy1 = SlideshowMenu->addAction(QString(), this, &TMainForm::Copy1Click);
  Copy1->setObjectName(QStringLiteral("Copy1"));
  Copy1->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  Paste1 = SlideshowMenu->addAction(QString(), this, &TMainForm::Paste1Click);
  Paste1->setObjectName(QStringLiteral("Paste1"));
  Paste1->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  addActions({SaveSlideshow1, Cut1, Copy1, Paste1});
  // "Paste Slide" follows what the clipboard offers while the program runs.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TMainForm::UpdateSlideshowMenu);

  HelpMenu = new QMenu(this);
  HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
  HelpMenu->addAction(QtText(rs::WavoraHelp), this, &TMainForm::WavoraHelp1Click);
  auto* contextHelp = new QAction(this);
  contextHelp->setShortcut(QKeySequence::HelpContents);
  // Also while the help window has the focus, so pointing at one panel after another and pressing F1
  // turns its pages.
  contextHelp->setShortcutContext(Qt::ApplicationShortcut);
  connect(contextHelp, &QAction::triggered, this, &TMainForm::ShowHelpAtPointer);
  addAction(contextHelp);
  HelpMenu->addSeparator();
  QMenu* shapes = HelpMenu->addMenu(QString());
  shapes->setObjectName(QStringLiteral("DisplayShape1"));
  DisplayShapes = new QActionGroup(this);
  for (int tag = 0; tag < 4; ++tag) {
    QAction* entry = shapes->addAction(QString(), this, [this, tag] { SetDisplayShape(tag); });
    entry->setData(tag);
    entry->setCheckable(true);
    entry->setChecked(tag == 0);
    DisplayShapes->addAction(entry);
  }
  QAction* presentation = HelpMenu->addAction(QString(), this, &TMainForm::PresentationClick);
  presentation->setObjectName(QStringLiteral("Presentation1"));
  presentation->setShortcut(QKeySequence(Qt::Key_F11));
  addAction(presentation);
  HelpMenu->addSeparator();
  HelpMenu->addAction(QString(), this, &TMainForm::AboutWavora1Click)
      ->setObjectName(QStringLiteral("AboutWavora1"));
  HelpMenu->addSeparator();
  HelpMenu->addAction(QString(), this, &QWidget::close)->setObjectName(QStringLiteral("exit1"));

  ExperimentMenu = new QMenu(this);
  ExperimentMenu->setObjectName(QStringLiteral("ExperimentMenu"));
  ExperimentMenu->setToolTipsVisible(true);

  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  PopupMenu3->setToolTipsVisible(true);
  ObjectMenu = new QMenu(this);
  ObjectMenu->setObjectName(QStringLiteral("ObjectMenu"));
}

void TMainForm::SetupMainWindow(const QStringList& arguments) {
  // Identifiers differ from one start of the window to the next (the command-line runner keeps the
  // fixed sequence so that its output repeats).
  SeedUniqueIDs(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  document_ = MakeNode<TSlideshow>();
  document_->SetTankSize(Box->width(), Box->height());
  NewSlideBtnClick();
  tankImage_.SetSize(Box->width(), Box->height());
  BuildExperimentMenu();
  RebuildSlideList();
  SlideListClick();

  frameTimer_.setTimerType(Qt::PreciseTimer);
  frameTimer_.setInterval(TFrameLoop::kTimerIntervalMs);
  connect(&frameTimer_, &QTimer::timeout, this, &TMainForm::RunFrame);
  QThread::currentThread()->setPriority(QThread::HighPriority);

  InfoControlPanel->show();
  RunFrame();
  frameTimer_.start();
  thumbnailAge_.start();
  ApplyCaptions();
  unsavedChanges_.MatchesFile(*document_, QString());

  ShowDebugPanelBTN->setVisible(std::any_of(arguments.begin(), arguments.end(), IsDebugSwitch));
  for (const QString& argument : arguments) {
    if (!IsDebugSwitch(argument) && QFileInfo(argument).isFile()) {
      OpenSlideshowFile(argument);
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
  SnapToGrid->SetCaption(QtText(rs::SnapCaption));
  OpenSlideshow1->setText(QtText(rs::OpenSlideshow));
  SaveSlideshow1->setText(QtText(rs::SaveSlideshow));
  Examples1->setTitle(QtText(rs::Examples));
  Cut1->setText(QtText(rs::CutSlide));
  Copy1->setText(QtText(rs::CopySlide));
  Paste1->setText(QtText(rs::PasteSlide));
  const std::string_view shapeNames[] = {rs::ShapeNormal, rs::ShapeSmall, rs::ShapeLongAndThin,
                                         rs::ShapeTallAndNarrow};
  for (QAction* entry : DisplayShapes->actions())
    entry->setText(QtText(shapeNames[entry->data().toInt()]));
  HelpMenu->findChild<QMenu*>(QStringLiteral("DisplayShape1"))->setTitle(QtText(rs::DisplayShape));
  HelpMenu->findChild<QAction*>(QStringLiteral("Presentation1"))->setText(QtText(rs::Presentation));
  HelpMenu->findChild<QAction*>(QStringLiteral("AboutWavora1"))->setText(QtText(rs::AboutWavora));
  HelpMenu->findChild<QAction*>(QStringLiteral("exit1"))->setText(QtText(rs::Exit));
}

// ---------------------------------------------------------------------------------------------------
// Frames

void TMainForm::RunFrame() {
  const TRef<TWater> tank = GetCurrentWater();
  frameLoop_.mouseIsDown = mouseIsDown_;
  const TFrameOutcome outcome = frameLoop_.RunFrame(tank.Get(), tankImage_, DebugPanel->isVisible());
  if (outcome.imageChanged) {
    Box->update();
    if (presentation_) presentation_->Box().update();
  }
  unsavedChanges_.ShowChangeMark(*document_);

  if (outcome.activePanelTool) {
    ShowToolPanel(outcome.activePanelTool->GetUniqueID());
    for (THeldPanel& panel : toolPanels_) {
      if (panel.tag != outcome.activePanelTool->GetUniqueID()) continue;
      outcome.activePanelTool->UpdateControlPanel(static_cast<TBaseCPFrame&>(*panel.model));
      if (panel.view) panel.view->update();
    }
  } else {
    ShowToolPanel(0);
  }
  ShowSelectionButtons(outcome.buttons);

  // The thumbnail follows the tank picture a few times a second (remade every frame it cost more
  // than the frame); a still picture needs no new one once its last change is shown.
  const int selected = SlideList->SelectedIndex();
  thumbnailStale_ = thumbnailStale_ || outcome.imageChanged;
  if (thumbnailStale_ && selected >= 0 && MenuButton->Down() &&
      thumbnailAge_.hasExpired(kThumbnailIntervalMs)) {
    UpdateSlideThumbnail(selected);
    SlideList->RedrawItem(selected);
    thumbnailStale_ = false;
    thumbnailAge_.start();
  }
  if (tank && ObjectList->Count() > 0 && !MenuButton->Down()) RefreshObjectList(*tank);
  if (!outcome.statistics.empty()) SetDebugRows(outcome.statistics);
}

void TMainForm::SetDisplayShape(int tag) {
  const TDisplayShape shape = DisplayShapeOfTag(tag);
  Box->resize(shape.width, shape.height);
  unsavedChanges_.ChangeTankShape(*document_, shape.width, shape.height);
  tankImage_.SetSize(shape.width, shape.height);
  const TBoxPlacement place = CentreOnTankFrame(shape);
  Box->move(place.left, place.top);
  for (QAction* entry : DisplayShapes->actions())
    entry->setChecked(entry->data().toInt() == tag);
  RebuildThumbnails();
  SlideList->update();
  Box->update();
}

void TMainForm::PresentationClick() {
  if (!presentation_) {
    const auto moveSlide = [this](int step) {
      const int index = SlideList->SelectedIndex() + step;
      if (index < 0 || index >= SlideList->Count()) return;
      SlideList->SetSelectedIndex(index);
      SlideListClick();
    };
    presentation_ = std::make_unique<TPresentationWindow>(
        tankImage_,
        TPresentationCommands{[this] { PauseButton->click(); }, [this] { ResetBtn->click(); },
                              [this] { Button1->click(); }, [this] { DripButton->click(); },
                              [moveSlide] { moveSlide(1); }, [moveSlide] { moveSlide(-1); }},
        this);
    ConnectTankBox(&presentation_->Box());
    presentation_->Box().setCursor(Box->cursor());
  }
  presentation_->ShowOn(*screen());
}

void TMainForm::ExposureSliderChange(int position) {
  if (settingExposure_) return;
  if (const TRef<TWater> tank = GetCurrentWater()) tank->SetExposure(ExposureFromSliderPosition(position));
}

void TMainForm::BoxMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (const TRef<TWater> tank = GetCurrentWater()) {
    tank->SetDripMode(DripButton->Down());
    tank->MouseDown(button, shift, x, y);
    tank->SetDripMode(false);
  }
  mouseIsDown_ = true;
  Panel5->setFocus();
}

void TMainForm::BoxMouseMove(TShiftState shift, int x, int y) {
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank) return;
  tank->MouseMove(shift, x, y);
  if (DebugPanel->isVisible() && !mouseIsDown_)
    SetDebugRows(PointerReadouts(*tank, x, y, frameLoop_.FrameRate()));
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

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == DebugPanel || watched == DataList->viewport()) &&
      event->type() == QEvent::MouseButtonPress) {
    DataListClick();
  }
  return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------------
// Debug panel

void TMainForm::ShowDebugPanelBTNClick() {
  DebugPanel->setVisible(ShowDebugPanelBTN->Down());
  if (DebugPanel->isVisible()) DebugPanel->raise();
}

void TMainForm::DataListClick() {
  DebugPanel->setVisible(!ShowDebugPanelBTN->Down());
  ShowDebugPanelBTN->SetDown(DebugPanel->isVisible());
}

void TMainForm::SetDebugRows(const std::vector<TDebugRow>& rows) {
  for (const TDebugRow& row : rows) {
    const QString name = QtText(row.name);
    int index = 0;
    while (index < DataList->rowCount() &&
           DataList->item(index, 0)->text().compare(name, Qt::CaseInsensitive) != 0) {
      ++index;
    }
    if (index == DataList->rowCount()) {
      DataList->insertRow(index);
      DataList->setRowHeight(index, 20);
      DataList->setItem(index, 0, new QTableWidgetItem(name));
      DataList->setItem(index, 1, new QTableWidgetItem);
    }
    DataList->item(index, 1)->setText(QtText(row.value));
  }
}

// ---------------------------------------------------------------------------------------------------
// Slides

void TMainForm::NewSlideBtnClick() {
  try {
    AddNewSlide(*document_);
  } catch (const std::exception& e) {
    messages_->ShowMessage(TMessageBox::mbError, QString::fromUtf8(e.what()));
    return;
  }
  RebuildSlideList();
  SlideList->SetSelectedIndex(SlideList->Count() - 1);
  SlideListClick();
}

void TMainForm::RemoveMapButtonClick() {
  const TRef<TWater> tank = GetCurrentWater();
  const int index = SlideList->SelectedIndex();
  const int count = SlideList->Count();
  if (!tank || count <= 1 || index < 0 || index >= count) return;
  // The neighbour after the deleted slide becomes active, or the one before when it was the last.
  document_->ActiveID = SlideList->ItemId(index == count - 1 ? index - 1 : index + 1);
  tank->SetParentNode({});
  RebuildSlideList();
  SlideListClick();
  // The tank, and with it the panels' objects, goes only now that the panels show the new slide.
}

void TMainForm::SlideListMoveListItem(int fromIndex, int toIndex) {
  if (fromIndex < 0 || fromIndex >= document_->GetChildCount()) return;
  document_->Move(document_->GetChildren(fromIndex), toIndex);
  RebuildThumbnails();
  SlideListClick();
  SlideList->update();
}

void TMainForm::SlideListClick() {
  const int selected = SlideList->SelectedIndex();
  const int previous = SlideList->IndexOfId(previousActiveID_);
  for (int i = 0; i < document_->GetChildCount(); ++i) {
    const TRef<TWater> tank = document_->GetWater(i);
    if (tank && tank->GetUniqueID() == previousActiveID_) DeactivateTools(tank.Get());
  }
  if (previous >= 0) UpdateSlideThumbnail(previous);

  document_->ActiveID = selected >= 0 ? SlideList->ItemId(selected) : 0;
  previousActiveID_ = document_->ActiveID;
  const TRef<TWater> tank = GetCurrentWater();

  ShowPanel(
      mediumPanel_, tank ? tank->RIMapUniqueID() : 0, [&tank] { return tank->CreateRIMapControlPanel(); },
      ControlPanelHolder, true);
  // A slide read without a source gets its source here, so that the source's panel shows.
  const TRef<TBaseExciter> source = tank ? tank->GetExciter() : TRef<TBaseExciter>();
  ShowPanel(
      exciterPanel_, source ? source->GetUniqueID() : 0,
      [&tank] { return tank->CreateExciterControlPanel(); }, ExciterControlPanel, false);
  UpdateDeleteButton();
  {
    const QSignalBlocker quiet(ExposureSlider);
    settingExposure_ = true;
    ExposureSlider->SetPosition(tank ? SliderPositionFromExposure(tank->GetExposure()) : 50);
    settingExposure_ = false;
  }
  ExposureSlider->update();
  SyncToolPanels();
  UpdateExperimentButton();
  InfoControlPanel->ShowSlide(SlideList->SelectedIndex() + 1);
  UpdateSlideshowMenu();
  if (selected >= 0) UpdateSlideThumbnail(selected);
  SlideList->update();
}

void TMainForm::RebuildSlideList() {
  SlideList->Clear();
  int active = 0;
  for (int i = 0; i < document_->SlideCount(); ++i) {
    SlideList->AddItem(SlideItemText(QtText(document_->SlideName(i)), QtText(document_->SlideDescription(i))),
                       document_->SlideUniqueID(i));
    if (document_->SlideUniqueID(i) == document_->ActiveID) active = i;
  }
  if (SlideList->Count() > 0) SlideList->SetSelectedIndex(active);
  RebuildThumbnails();
}

void TMainForm::RebuildThumbnails() {
  slideThumbnails_.assign(size_t(document_->SlideCount()), QImage());
  for (int i = 0; i < document_->SlideCount(); ++i)
    UpdateSlideThumbnail(i);
}

void TMainForm::UpdateSlideThumbnail(int index) {
  if (index < 0 || index >= document_->SlideCount()) return;
  if (index >= int(slideThumbnails_.size())) slideThumbnails_.resize(size_t(index) + 1);
  const TRef<TWater> tank = document_->GetWater(index);
  // The running slide's picture is the tank image of the last frame; others are drawn afresh.
  const bool running = tank && tank == GetCurrentWater() && tankImage_.Width() == Box->width() &&
                       tankImage_.Height() == Box->height() && frameTimer_.isActive();
  if (running) {
    slideThumbnails_[size_t(index)] = SlideThumbnail(tankImage_);
    return;
  }
  if (thumbnailImage_.Width() != Box->width() || thumbnailImage_.Height() != Box->height())
    thumbnailImage_.SetSize(Box->width(), Box->height());
  document_->DrawSlide(index, thumbnailImage_);
  slideThumbnails_[size_t(index)] = SlideThumbnail(thumbnailImage_);
}

void TMainForm::DeactivateTools(TWater* tank) {
  if (!tank) return;
  wavora::DeactivateTools(*tank);
  ShowToolPanel(0);
}

void TMainForm::ShowPanel(THeldPanel& panel, int32_t kind,
                          const std::function<std::unique_ptr<TControlPanelModel>()>& create, QWidget* holder,
                          bool centreVertically) {
  if (panel.tag == kind && (kind == 0 || panel.model)) return;
  panel.Release();
  panel.tag = kind;
  if (kind == 0) return;
  panel.model = create();
  if (!panel.model) return;
  panel.view = CreatePanelView(*panel.model, holder);
  if (!panel.view) return;
  const QSize size = panel.view->size();
  panel.view->move((holder->width() - size.width()) / 2,
                   centreVertically ? (holder->height() - size.height()) / 2 : 0);
  panel.view->show();
}

void TMainForm::SyncToolPanels() {
  const TRef<TWater> tank = GetCurrentWater();
  std::vector<TControlPanelTool*> tools;
  if (tank) {
    for (int i = 0; i < tank->GetChildCount(); ++i) {
      if (const TRef<TControlPanelTool> tool = RefCast<TControlPanelTool>(tank->GetChildren(i)))
        tools.push_back(tool.Get());
    }
  }
  const int32_t tankID = tank ? tank->GetUniqueID() : 0;
  bool inStep = toolPanelsTag_ == tankID && toolPanels_.size() == tools.size();
  for (size_t i = 0; inStep && i < tools.size(); ++i)
    inStep = toolPanels_[i].tag == tools[i]->GetUniqueID();
  if (inStep) {
    RebuildObjectList();
    return;
  }

  toolPanels_.clear();
  for (TControlPanelTool* tool : tools) {
    std::unique_ptr<TControlPanelModel> model = tool->CreateControlPanel();
    if (!dynamic_cast<TBaseCPFrame*>(model.get())) continue;
    THeldPanel panel;
    panel.tag = tool->GetUniqueID();
    panel.model = std::move(model);
    panel.view = CreatePanelView(*panel.model, ToolControlPanel);
    if (panel.view) panel.view->setVisible(tool->GetActiveCPTool());
    toolPanels_.push_back(std::move(panel));
  }
  toolPanelsTag_ = tankID;
  RebuildObjectList();
}

void TMainForm::ShowToolPanel(int32_t toolID) {
  bool shown = false;
  for (THeldPanel& panel : toolPanels_) {
    if (!panel.view) continue;
    const bool visible = panel.tag == toolID;
    if (panel.view->isVisible() != visible) panel.view->setVisible(visible);
    if (visible) {
      panel.view->raise();
      shown = true;
    }
  }
  if (InfoControlPanel->isVisible() == shown) InfoControlPanel->setVisible(!shown);
}

void TMainForm::UpdateDeleteButton() {
  DeleteSlideBtn->setEnabled(SlideList->SelectedIndex() >= 0 && SlideList->Count() > 1);
}

void TMainForm::UpdateExperimentButton() {
  const TRef<TWater> tank = GetCurrentWater();
  const TRef<TBaseRIMap> medium = tank ? tank->GetRIMap() : TRef<TBaseRIMap>();
  const int index = medium ? MapClassIndexOf(medium->ClassInfo().ClassName()) : -1;
  if (index >= 0 && index < int(experimentImages_.size())) {
    ExperimentBtn->SetGlyph(experimentImages_[size_t(index)]);
    ExperimentBtn->SetCaption(QtText(MapClass(index)->TypeName()));
  } else {
    ExperimentBtn->SetGlyph(WavoraIcon(TIcon::Experiment));
    ExperimentBtn->SetCaption(QtText(rs::Experiment));
  }
}

void TMainForm::UpdateSlideshowMenu() {
  const bool slide = bool(GetCurrentWater());
  SaveSlideshow1->setEnabled(slide);
  Copy1->setEnabled(slide);
  // Like deleting, cutting leaves at least one slide.
  Cut1->setEnabled(slide && SlideList->Count() > 1);
  Paste1->setEnabled(ClipboardOffersSlide());
}

void TMainForm::RefreshSlideItem(const TWater& tank) {
  const int item = SlideList->IndexOfId(tank.GetUniqueID());
  const int slide = tank.GetPosition();
  if (item < 0 || slide < 0) return;
  SlideList->SetItemText(
      item, SlideItemText(QtText(document_->SlideName(slide)), QtText(document_->SlideDescription(slide))));
  SlideList->RedrawItem(item);
}

// ---------------------------------------------------------------------------------------------------
// The objects of the current tank

void TMainForm::ToolBoxButtonClick() {
  if (!GetCurrentWater()) return;
  PopupMenu3->clear();
  for (int i = 0; i < ToolCount(); ++i) {
    QAction* entry = PopupMenu3->addAction(ToolImage(ToolImageIndex(i)),
                                           QtText(rs::NewToolPrefix) + QtText(ToolClass(i)->TypeName()), this,
                                           [this, i] { AddToolFromMenu(i); });
    entry->setToolTip(QtText(ToolClass(i)->TypeDescription()));
    entry->setData(i);
  }
  PopupMenu3->popup(CustomSpeedButton2->mapToGlobal(QPoint(0, CustomSpeedButton2->height())));
}

void TMainForm::AddToolFromMenu(int toolIndex) {
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank) return;
  const TRef<TBaseControl> tool = AddToolFromList(*tank, toolIndex);
  if (!tool) return;
  SyncToolPanels();
  if (const TRef<TControlPanelTool> panelTool = RefCast<TControlPanelTool>(tool))
    ShowToolPanel(panelTool->GetUniqueID());
}

void TMainForm::ObjectListClick() {
  const TRef<TWater> tank = GetCurrentWater();
  const int selected = ObjectList->SelectedIndex();
  if (!tank || selected < 0) return;
  const TRef<TBaseControl> object = SelectObject(*tank, ObjectList->ItemId(selected));
  if (!object) return;
  const TRef<TControlPanelTool> panelTool = RefCast<TControlPanelTool>(object);
  if (panelTool || RefCast<TBaseRIMap>(object)) ShowToolPanel(panelTool ? panelTool->GetUniqueID() : 0);
  shownSelectedObjectID_ = SelectedObjectID(*tank);
  ObjectList->update();
}

void TMainForm::DeleteToolBtnClick() {
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank) return;
  // The objects live on until their panels have gone, as panels refer to them.
  const std::vector<iXMLNode> keep = ChildList(*tank);
  if (DeleteActiveObject(*tank) == TDeleted::Medium) {
    SlideListClick();
    RefreshSlideItem(*tank);
  }
  SyncToolPanels();
}

void TMainForm::SnapToGridClick() {
  if (const TRef<TWater> tank = GetCurrentWater()) SnapActiveObjects(*tank, SnapToGrid->Down());
}

void TMainForm::RebuildObjectList() {
  ObjectList->Clear();
  objectItems_.clear();
  shownSelectedObjectID_ = -1;
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank) return;
  TObjectListContent content = ObjectListOf(*tank);
  objectItems_ = std::move(content.items);
  for (const TObjectListItem& item : objectItems_)
    ObjectList->AddItem(QtText(item.name), item.uniqueID, ObjectItemHeight(item.kind));
  if (!objectItems_.empty()) ObjectList->SetSelectedIndex(content.selected);
  shownSelectedObjectID_ = SelectedObjectID(*tank);
}

void TMainForm::RefreshObjectList(const TWater& tank) {
  const TObjectListContent content = ObjectListOf(tank);
  if (content.items.size() != objectItems_.size()) {
    RebuildObjectList();
    return;
  }
  // A source that changed its shape shows its new picture and name.
  for (size_t i = 0; i < objectItems_.size(); ++i) {
    if (content.items[i] == objectItems_[i]) continue;
    objectItems_[i] = content.items[i];
    ObjectList->SetItemText(int(i), QtText(objectItems_[i].name));
    ObjectList->RedrawItem(int(i));
  }
  // Selecting in the tank selects in the list.
  const int32_t selectedID = SelectedObjectID(tank);
  if (selectedID != shownSelectedObjectID_) {
    const int index = ObjectList->IndexOfId(selectedID);
    if (index != ObjectList->SelectedIndex()) ObjectList->SetSelectedIndex(index);
    shownSelectedObjectID_ = selectedID;
    ObjectList->update();
  }
  // Panel items show what their panels show now.
  for (size_t i = 0; i < objectItems_.size(); ++i) {
    if (objectItems_[i].kind != TObjectKind::PanelTool) continue;
    for (THeldPanel& panel : toolPanels_) {
      if (panel.tag == objectItems_[i].uniqueID) static_cast<TBaseCPFrame&>(*panel.model).RefreshPanel();
    }
    ObjectList->RedrawItem(int(i));
  }
}

void TMainForm::ShowSelectionButtons(const TSelectionButtons& buttons) {
  if (SnapToGrid->isEnabled() != buttons.snapEnabled) SnapToGrid->setEnabled(buttons.snapEnabled);
  if (SnapToGrid->Down() != buttons.snapDown) SnapToGrid->SetDown(buttons.snapDown);
  if (DeleteObjectBtn->isEnabled() != buttons.deleteEnabled)
    DeleteObjectBtn->setEnabled(buttons.deleteEnabled);
}

QIcon TMainForm::ObjectPicture(const TObjectListItem& item) const {
  switch (item.kind) {
    case TObjectKind::Source:
      return TGeneralExciterView::ShapePicture(item.imageIndex);
    case TObjectKind::Medium:
      return item.imageIndex >= 0 && item.imageIndex < int(experimentImages_.size())
                 ? experimentImages_[size_t(item.imageIndex)]
                 : WavoraIcon(TIcon::Experiment);
    default:
      return ToolImage(item.imageIndex);
  }
}

TFastDIB* TMainForm::PanelImageOf(int32_t toolID) const {
  for (const THeldPanel& panel : toolPanels_) {
    if (panel.tag == toolID && panel.model) return static_cast<TBaseCPFrame&>(*panel.model).SnapshotImage();
  }
  return nullptr;
}

void TMainForm::ObjectListPopup(int index, const QPoint& globalPos) {
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank || index < 0) return;
  for (const iXMLNode& child : ChildList(*tank)) {
    auto* object = dynamic_cast<TBaseWaterObject*>(child.Get());
    if (!object || object->GetUniqueID() != ObjectList->ItemId(index)) continue;
    const std::vector<TListMenuEntry> entries = object->ListMenuEntries();
    if (entries.empty()) return;
    ObjectMenu->clear();
    for (const TListMenuEntry& entry : entries) {
      // The entry holds the object, which lives on while the menu is open.
      ObjectMenu->addAction(QtText(entry.caption), this, [this, entry, child] { RunListMenuEntry(entry); });
    }
    ObjectMenu->popup(globalPos);
    return;
  }
}

void TMainForm::RunListMenuEntry(const TListMenuEntry& entry) {
  if (entry.action == TListMenuEntry::TAction::CopyText) {
    QGuiApplication::clipboard()->setText(QtText(entry.text()));
    return;
  }
  const auto dialog = FileDialog(this, entry.dialogTitle, entry.filter, entry.extension);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return;
  try {
    WriteFileText(LocalPath(dialog->selectedFiles().constFirst()), entry.text());
  } catch (const std::exception& e) {
    messages_->ShowMessage(TMessageBox::mbError, QtText(rs::CouldNotSaveFile) + QStringLiteral("\n\n") +
                                                     QString::fromUtf8(e.what()));
  }
}

// ---------------------------------------------------------------------------------------------------
// Slides through the clipboard

void TMainForm::Copy1Click() {
  const TRef<TWater> tank = GetCurrentWater();
  if (!tank) return;
  const QByteArray text = QByteArray::fromStdString(SlideClipboardText(*tank));
  auto* data = new QMimeData;
  // The slide format carries the text with its terminating zero byte, as programs that read it expect.
  data->setData(SlideFormat(), text + QByteArray(1, '\0'));
  data->setText(QString::fromUtf8(text));
  QGuiApplication::clipboard()->setMimeData(data);
}

void TMainForm::Paste1Click() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(SlideFormat())) return;
  // The plain text is the slide; a program that offers only the slide format gives it there.
  const QByteArray text = data->hasText() ? data->text().toUtf8() : data->data(SlideFormat());
  const TPastedSlide pasted = PasteSlide(*document_, text.toStdString());
  for (const std::string& error : pasted.errors)
    messages_->ShowMessage(TMessageBox::mbError, QtText(error));
  if (!pasted.slide) return;
  RebuildSlideList();
  SlideListClick();
}

void TMainForm::Cut1Click() {
  if (!GetCurrentWater() || SlideList->Count() <= 1) return;
  Copy1Click();
  RemoveMapButtonClick();
}

// ---------------------------------------------------------------------------------------------------
// Menus and commands

void TMainForm::MenuButtonClick() {
  SlideShowPanel->setVisible(MenuButton->Down());
  ToolBoxPanel->setVisible(ToolsTabButton->Down());
  if (MenuButton->Down()) {
    const int selected = SlideList->SelectedIndex();
    if (selected >= 0) {
      UpdateSlideThumbnail(selected);
      SlideList->MakeVisible(selected);
    }
  }
}

void TMainForm::BuildExperimentMenu() {
  ExperimentMenu->clear();
  experimentImages_.clear();
  const TRef<TSlideshow> previews = MakeNode<TSlideshow>();
  previews->SetTankSize(kPreviewTankSize, kPreviewTankSize);
  TFastDIB picture(kPreviewTankSize, kPreviewTankSize);
  for (int i = 0; i < MapClassCount(); ++i) {
    const TRef<TWater> tank = MakeNode<TWater>();
    if (const TClassInfo* source = ExciterClass(0)) tank->add(source->Create());
    tank->add(MapClass(i)->Create());
    previews->add(tank);
    for (int step = 0; step < kPreviewSteps; ++step)
      tank->Step();
    previews->DrawSlide(previews->GetChildCount() - 1, picture);
    const QImage image = DibToImage(picture).scaled(kExperimentImageSize, kExperimentImageSize,
                                                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    experimentImages_.push_back(QIcon(QPixmap::fromImage(image)));
    QAction* entry = ExperimentMenu->addAction(experimentImages_.back(),
                                               QStringLiteral("  ") + QtText(MapClass(i)->TypeName()), this,
                                               [this, i] { ChooseExperiment(i); });
    entry->setToolTip(QtText(MapClass(i)->TypeDescription()));
    entry->setData(i);
  }
}

void TMainForm::ChooseExperiment(int classIndex) {
  const TRef<TWater> tank = GetCurrentWater();
  const TClassInfo* mapClass = MapClass(classIndex);
  if (!tank || !mapClass) return;
  tank->SetRIMapClass(*mapClass);
  SlideListClick();
  RefreshSlideItem(*tank);
}

void TMainForm::OpenSlideshow1Click() {
  if (!MayGiveUpDocument()) return;
  const auto dialog = FileDialog(this, rs::OpenSlideshow, rs::SlideshowFilter, rs::SlideshowExtension);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
    OpenSlideshowFile(dialog->selectedFiles().constFirst());
}

void TMainForm::SaveSlideshow1Click() {
  if (GetCurrentWater()) SaveSlideshowAs();
}

bool TMainForm::SaveSlideshowAs() {
  const auto dialog = FileDialog(this, rs::SaveSlideshow, rs::SlideshowFilter, rs::SlideshowExtension);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  return dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty() &&
         SaveSlideshowFile(dialog->selectedFiles().constFirst());
}

bool TMainForm::SaveChanges() {
  const QString& fileName = unsavedChanges_.FileName();
  return fileName.isEmpty() ? SaveSlideshowAs() : SaveSlideshowFile(fileName);
}

bool TMainForm::MayGiveUpDocument() {
  return unsavedChanges_.MayGiveUp(*document_, *messages_, [this] { return SaveChanges(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (MayGiveUpDocument()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TMainForm::OpenSlideshowFile(const QString& fileName) {
  TOpenedSlideshow opened = wavora::OpenSlideshowFile(LocalPath(fileName), Box->width(), Box->height());
  if (opened.message.kind != TMessageBox::mbNone)
    messages_->ShowMessage(opened.message.kind, QString::fromStdString(opened.message.text));
  const TRef<TSlideshow> slideshow = RefCast<TSlideshow>(opened.document);
  if (!slideshow) return false;

  // The panels refer to objects of the old document, which goes now.
  toolPanels_.clear();
  toolPanelsTag_ = -1;
  mediumPanel_.Release();
  exciterPanel_.Release();
  previousActiveID_ = 0;
  document_ = slideshow;  // its tanks come sized to the display
  RebuildSlideList();
  SlideListClick();
  unsavedChanges_.MatchesFile(*document_, fileName);
  MenuButton->SetDown(true);
  MenuButtonClick();
  return true;
}

// An example opens as an untitled copy, so saving asks for a name and the shipped lesson stays.
void TMainForm::OpenExample(const QString& fileName) {
  if (MayGiveUpDocument() && OpenSlideshowFile(fileName)) unsavedChanges_.MatchesFile(*document_, QString());
}

void TMainForm::FillExamplesMenu() {
  const QString folder = FindDataFolder(TDataFolder::Examples);
  std::vector<std::string> files;
  if (!folder.isEmpty()) {
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.wvr")}, QDir::Files))
      files.push_back(file.toStdString());
  }
  for (const std::string& name : InTeachingOrder(files)) {
    const QString file = QString::fromStdString(name);
    // "waves_in_the_earth.wvr" is offered as "Waves in the earth".
    QString caption = QFileInfo(file).completeBaseName().replace(QLatin1Char('_'), QLatin1Char(' '));
    if (caption.isEmpty()) continue;
    caption[0] = caption[0].toUpper();
    const QString path = QDir(folder).filePath(file);
    Examples1->addAction(caption, this, [this, path] { OpenExample(path); });
  }
  Examples1->setEnabled(!files.empty());
}

bool TMainForm::SaveSlideshowFile(const QString& fileName) {
  try {
    SaveToFile(*document_, LocalPath(fileName));
  } catch (const std::exception& e) {
    messages_->ShowMessage(TMessageBox::mbError,
                           QtText(rs::CouldNotSave) + QStringLiteral("\n\n") + QString::fromUtf8(e.what()));
    return false;
  }
  unsavedChanges_.MatchesFile(*document_, fileName);
  return true;
}

void TMainForm::CameraClipBtnClick() {
  if (!CameraClipBtn->Down()) return;
  QGuiApplication::clipboard()->setImage(DibToImage(tankImage_));
  marqueeTimer_.start();
}

void TMainForm::CameraFileBtnClick() {
  const TFastDIB snapshot = tankImage_;
  const QString fileName =
      AskSaveFileName(this, rs::SnapshotDialogTitle, rs::SnapshotFilter, rs::SnapshotExtension);
  if (fileName.isEmpty()) return;
  try {
    SaveSnapshotFile(snapshot, LocalPath(fileName));
  } catch (const std::exception& e) {
    messages_->ShowMessage(TMessageBox::mbError, QtText(rs::CouldNotSaveSnapshot) + QStringLiteral("\n\n") +
                                                     QString::fromUtf8(e.what()));
  }
}

void TMainForm::WavoraHelp1Click() {
  ShowHelp(QStringLiteral("index.html"));
}

void TMainForm::ShowHelpAtPointer() {
  // The part of the window under the pointer, else the one with the keyboard focus.
  QWidget* pointed = QApplication::widgetAt(QCursor::pos());
  const QWidget* part = pointed && isAncestorOf(pointed) ? pointed : QApplication::focusWidget();
  ShowHelp(HelpPageAt(part, GetCurrentWater().Get()));
}

void TMainForm::ShowHelp(const QString& page) {
  if (!helpViewer_) {
    const QString folder = FindDataFolder(TDataFolder::Help);
    if (folder.isEmpty()) {
      messages_->ShowMessage(TMessageBox::mbError, QtText(rs::HelpNotFound));
      return;
    }
    helpViewer_ = new THelpViewer(folder, this);
  }
  helpViewer_->ShowPage(page);
  helpViewer_->show();
  helpViewer_->raise();
  helpViewer_->activateWindow();
}

void TMainForm::AboutWavora1Click() {
  TAboutBox about(this);
  about.exec();
}

}  // namespace wavora
