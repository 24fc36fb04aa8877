#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <fstream>
#include <memory>
#include <sstream>
#include <string_view>
#include <vector>

#include "../document/catalogue_test_objects.h"
#include "../widgets/mouse.h"
#include "app/cli_commands.h"
#include "document/slide_clipboard.h"
#include "document/water_collection.h"
#include "media/plane_mirror.h"
#include "model/file_text.h"
#include "model/node_files.h"
#include "model/property_text.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "sim/tool_panel.h"
#include "tools/cross_section_tool.h"
#include "tools/point_logger_cp.h"
#include "tools/point_logger_tool.h"
#include "tools/ruler.h"
#include "tools/tool_label.h"
#include "ui/clipboard_commands.h"
#include "ui/data_folder.h"
#include "ui/dib_image.h"
#include "ui/file_commands.h"
#include "ui/file_dialogs.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/message_sink.h"
#include "ui/point_logger_view.h"
#include "ui/presentation_window.h"
#include "ui/slide_item.h"
#include "ui/slides_tab.h"
#include "ui/tank_box.h"
#include "ui/tool_panel_view.h"
#include "ui/tools_tab.h"
#include "ui/user_settings.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"
#include "widgets/qt_text.h"
#include "widgets/scroller_list.h"

namespace wavora {

namespace {

// What the window would have shown and asked in boxes, kept so that no box blocks a test, and the
// answer it gets when it asks whether to save.
struct TUserSide {
  QStringList messages;
  std::vector<TMessageBox::TKind> kinds;
  QStringList questions;
  TSaveAnswer answer = TSaveAnswer::Cancel;
};

class TRecordingSink : public IMessageSink {
 public:
  explicit TRecordingSink(TUserSide& user) : user_(user) {}
  void ShowMessage(TMessageBox::TKind kind, const QString& text) override {
    user_.messages << text;
    user_.kinds.push_back(kind);
  }
  TSaveAnswer AskToSave(const QString& question) override {
    user_.questions << question;
    return user_.answer;
  }

 private:
  TUserSide& user_;
};

QString ItemName(const TScrollerList& list, int index) {
  return list.ItemText(index).section(kSlideTextSeparator, 0, 0);
}

void WriteFile(const QString& fileName, const std::string& text) {
  std::ofstream(fileName.toStdString(), std::ios::binary) << text;
}

// The parts of a widget that were painted while it watched.
class TPaintRecorder : public QObject {
 public:
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
  }
};

// How the document is left, the answer to the question whether to save, the file and the title after.
struct TLeaveCase {
  const char* leave;
  TSaveAnswer answer;
  const char* file;
  const char* title;
};
constexpr TLeaveCase kLeaveCases[] = {
    {"open", TSaveAnswer::Save, "lesson", "Wavora - other"},
    {"open", TSaveAnswer::Discard, "lesson", "Wavora - other"},
    {"open", TSaveAnswer::Cancel, "lesson", "Wavora - lesson*"},
    {"close", TSaveAnswer::Save, "lesson", "Wavora - lesson"},
    {"close", TSaveAnswer::Discard, "lesson", "Wavora - lesson*"},
    {"close", TSaveAnswer::Cancel, "lesson", "Wavora - lesson*"},
    {"exit", TSaveAnswer::Cancel, "lesson", "Wavora - lesson*"},
    {"close", TSaveAnswer::Save, "untitled", "Wavora - named"},
    {"close", TSaveAnswer::Save, "unwritable", "Wavora - unwritable*"},
};

// Every published value of the medium but its identifier, as text.
QStringList Settings(const TBaseRIMap& medium) {
  QStringList settings;
  for (const TPropertyInfo& property : medium.ClassInfo().Properties()) {
    if (property.name != "UniqueID")
      settings << QString::fromStdString(property.name + "=" + PropertyAsText(medium, property.name));
  }
  return settings;
}

// A medium chosen in the window: a handle (grid cells, y upward; none if null) dragged to a target,
// after which the medium slows the cell onMedium; then a button clicked or a slider set to position
// on its panel, which sets the property to value.
struct TMediumCase {
  const char* className;
  QPoint handle, target, onMedium;
  const char* control;
  int position;
  const char* property;
  const char* value;
};
const TMediumCase kMediumCases[] = {
    {"TRefractionMapper", {200, 200}, {260, 230}, {260, 230}, "Type0", 0, "Mode", "0"},
    {"TPlaneMirror", {200, 200}, {150, 120}, {150, 120}, "Type0", 0, "Mode", "0"},
    // Handle 3 at column 150 bends the mirror to radius 349 with its vertex at column 267.
    {"TCurvedMirror", {102, 200}, {150, 200}, {267, 200}, "Type2", 0, "MirrorType", "2"},
    {"TBarrierMapper", {122, 200}, {160, 250}, {160, 250}, "", 0, "", ""},
    // The right handle pulled 50 cells straight above the centre: a quarter turn, 100 cells wide.
    {"TBlockRIMapper", {280, 199}, {200, 250}, {200, 249}, "", 0, "", ""},
    // The focus handle drawn to column 250: F = 250 - 133; the concave lens is thin on its axis.
    {"TLensMapper", {333, 200}, {250, 310}, {133, 200}, "Type1", 0, "LensType", "1"},
    {"TSlitsRIMapper", {}, {}, {}, "SlitCount", 2, "Number", "2"},
    {"TSimpleWaveGuideRIMapper", {}, {}, {}, "WidthSlider", 52, "FibreWidth", "52"},
    {"TEarthRIMapper", {}, {}, {}, "Type4", 0, "Mode", "4"},
};

// A slide with a source, both line tools and the given tool holding the panel.
std::string LineToolsSlide(const char* activeTool) {
  std::ostringstream text;
  text << "<TSlideshow ActiveID=\"11\" Version=\"0.5\">\r\n  <TWater UniqueID=\"11\" Name=\"Lines\">\r\n"
       << "    <TNoneRIMap UniqueID=\"12\" />\r\n    <TGeneralExciter UniqueID=\"13\" />\r\n"
       << "    <TCrossSectionTool UniqueID=\"14\" />\r\n    <TIntensityTool UniqueID=\"15\" />\r\n"
       << "    <" << activeTool << " UniqueID=\"16\" ActiveCPTool=\"True\" />\r\n"
       << "  </TWater>\r\n</TSlideshow>\r\n";
  return text.str();
}

}  // namespace

// The program's window as a user starts it without a file, keeping the messages it shows and the
// questions it asks.
class TWindowTest : public QObject {
  Q_OBJECT

 private:
  TUserSide user_;
  std::unique_ptr<TMainForm> window_;

  void Start() {
    user_ = {};
    window_ = std::make_unique<TMainForm>(QStringList(), std::make_unique<TRecordingSink>(user_));
    window_->show();
  }

  // The window's control of that object name.
  template <class T>
  T* Control(const char* name) const {
    return window_->findChild<T*>(QLatin1String(name));
  }

  void Click(const char* button) const { QTest::mouseClick(Control<QWidget>(button), Qt::LeftButton); }
  // Frames run here rather than from the timer, so a slow machine makes the same waves.
  void RunFrames(int count) const {
    for (int i = 0; i < count; ++i)
      window_->RunFrame();
  }

  // Chooses the entry of the experiment menu with that type name for the current slide.
  void ChooseExperiment(std::string_view typeName) const {
    for (QAction* entry : Control<QMenu>("ExperimentMenu")->actions()) {
      if (entry->text() == QStringLiteral("  ") + QtText(typeName)) return entry->trigger();
    }
    QFAIL("no such experiment");
  }

  TScrollerList* list_ = nullptr;

  void SelectSlide(int index) const {
    list_->SetSelectedIndex(index);
    window_->SlideListClick();
  }

  // Three slides named "A", "B" and "C", the last one active.
  void MakeThreeNamedSlides() const {
    Click("NewSlideBtn");
    Click("NewSlideBtn");
    for (int i = 0; i < 3; ++i)
      window_->Document().GetWater(i)->SetName(std::string(1, char('A' + i)));
  }
  QStringList SlideNames() const {
    QStringList names;
    for (int i = 0; i < window_->Document().SlideCount(); ++i)
      names << QtText(window_->Document().SlideName(i));
    return names;
  }
  QString ActiveName() const {
    const TRef<TWater> tank = window_->GetCurrentWater();
    return tank ? QtText(tank->GetName()) : QString();
  }

  // The presentation window that F11 on the active window opens.
  TPresentationWindow* Present() const {
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) return nullptr;
    QTest::keyClick(window_.get(), Qt::Key_F11);
    auto* presentation = window_->findChild<TPresentationWindow*>();
    return presentation && QTest::qWaitForWindowExposed(presentation) ? presentation : nullptr;
  }

  QTemporaryDir folder_;

  // The last tool of the slide, the one that holds the panel.
  iXMLNode ActiveTool() const {
    const TRef<TWater> tank = window_->GetCurrentWater();
    return tank->GetChildren(tank->GetChildCount() - 1);
  }

  QString Slide() const { return folder_.filePath(QStringLiteral("lines.wvr")); }
  // The window on the slide after the given frames, and the tool panel it shows.
  TToolPanelView* OpenLineTools(const QString& tool, int frames) {
    std::ofstream(Slide().toStdString(), std::ios::binary) << LineToolsSlide(tool.toLatin1().constData());
    Start();
    window_->Files().OpenSlideshowFile(Slide());
    RunFrames(frames);
    TToolPanelView* shown = nullptr;
    for (TToolPanelView* view : window_->findChildren<TToolPanelView*>()) {
      if (view->isVisible()) shown = view;
    }
    return shown;
  }

  // A key as the user presses it: to the open menu, else to the widget with the focus.
  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup ? popup : QApplication::focusWidget(), key, modifiers);
  }
  // Tabs on until the control has the focus; whether it got there within a round of the window.
  bool TabTo(const char* name) const {
    QWidget* control = Control<QWidget>(name);
    for (int i = 0; i < 100 && QApplication::focusWidget() != control; ++i)
      Key(Qt::Key_Tab);
    return QApplication::focusWidget() == control;
  }
  QString TankSays() const {
    return QAccessible::queryAccessibleInterface(Control<QWidget>("Box"))->text(QAccessible::Name);
  }

  TScrollerList* Objects() const { return Control<TScrollerList>("ObjectList"); }
  void AddTool(const TClassInfo& toolClass) const {
    window_->Tools().AddToolFromMenu(test::ToolIndexOf(toolClass));
  }
  QStringList ItemTexts() const {
    QStringList texts;
    for (int i = 0; i < Objects()->Count(); ++i)
      texts << Objects()->ItemText(i);
    return texts;
  }

 private slots:
  // The program's classes and test classes of each kind, which the window offers as its own.
  void initTestCase() {
    test::RegisterCatalogueTestClasses();
    // The settings the window keeps between runs go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    TUserSettings::SetHighContrast(false);
  }
  void init() {
    Start();
    list_ = Control<TScrollerList>("SlideList");
    Click("MenuButton");
  }

  void cleanup() { window_.reset(); }

  void StartsWithOneEmptyTankSelected() {
    QCOMPARE(window_->size(), QSize(833, 633));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wavora"));
    QCOMPARE(Control<QWidget>("Box")->geometry(), QRect(216, 26, 401, 401));
    QVERIFY(window_->FrameTimerActive());
    QCOMPARE(list_->Count(), 1);
    QCOMPARE(ItemName(*list_, 0), QStringLiteral("Empty Tank"));
    QCOMPARE(list_->SelectedIndex(), 0);
    QCOMPARE(list_->ItemId(0), window_->Document().ActiveID);
    QVERIFY(!Control<QWidget>("DeleteSlideBtn")->isEnabled());
    QVERIFY(!Control<QWidget>("ShowDebugPanelBTN")->isVisibleTo(window_.get()));
    QCOMPARE(Control<QLineEdit>("InfoSheetName")->text(), QStringLiteral("Empty Tank"));
  }

  void DeletingASlideActivatesTheDescribedNeighbour() {
    MakeThreeNamedSlides();
    QCOMPARE(list_->SelectedIndex(), 2);
    QVERIFY(Control<QWidget>("DeleteSlideBtn")->isEnabled());

    SelectSlide(1);
    Click("DeleteSlideBtn");
    QCOMPARE(SlideNames(), QStringList({"A", "C"}));
    QCOMPARE(ActiveName(), QStringLiteral("C"));
    QCOMPARE(list_->SelectedIndex(), 1);

    Click("NewSlideBtn");
    Click("DeleteSlideBtn");  // the last of three: the one before it
    QCOMPARE(SlideNames(), QStringList({"A", "C"}));
    QCOMPARE(ActiveName(), QStringLiteral("C"));

    Click("DeleteSlideBtn");
    QVERIFY(!Control<QWidget>("DeleteSlideBtn")->isEnabled());
    Click("DeleteSlideBtn");  // the last slide stays
    QCOMPARE(SlideNames(), QStringList({"A"}));
  }

  // The name box writes the slide's name at once; the list shows it on Enter, and before a press
  // elsewhere (on the list or a button) acts.
  void RenamingWritesAtOnceAndShowsInTheListOnEnterOrAPressElsewhere() {
    Click("NewSlideBtn");
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* name = Control<QLineEdit>("InfoSheetName");
    const auto rename = [name](const QString& text) {
      name->setFocus();
      name->selectAll();
      QTest::keyClicks(name, text);
    };
    rename(QStringLiteral("Ripples"));
    QCOMPARE(ActiveName(), QStringLiteral("Ripples"));
    QCOMPARE(ItemName(*list_, 1), QStringLiteral("Empty Tank"));
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(ItemName(*list_, 1), QStringLiteral("Ripples"));

    rename(QStringLiteral("Echo"));
    QTest::mouseClick(list_, Qt::LeftButton, {}, list_->ItemRect(0).center());
    QCOMPARE(list_->SelectedIndex(), 0);
    QCOMPARE(ItemName(*list_, 1), QStringLiteral("Echo"));
    rename(QStringLiteral("Wave"));
    Click("ToolsTabButton");
    QCOMPARE(ItemName(*list_, 0), QStringLiteral("Wave"));
  }

  // Clicking into the boxes and out again stores nothing: the medium's description keeps following
  // the medium (its "\r\n" comes back from the box as "\n"), and a name longer than the name box
  // holds, read from a file, stays whole.
  void VisitingTheInfoSheetStoresOnlyWhatWasTyped() {
    const std::string longName(150, 'n');
    QTemporaryDir folder;
    const QString fileName = folder.filePath("long.wvr");
    WriteFile(fileName, "<TSlideshow Version=\"0.5\"><TWater Name=\"" + longName +
                            "\"><TGeneralExciter /><TRefractionMapper /></TWater></TSlideshow>");
    window_->Files().OpenSlideshowFile(fileName);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    for (const char* box : {"InfoSheetName", "InfoSheetDescription", "InfoSheetName"})
      Control<QWidget>(box)->setFocus();
    Click("PauseButton");  // leaves the boxes
    RunFrames(1);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wavora - long"));
    const TRef<TWater> tank = window_->GetCurrentWater();
    QCOMPARE(tank->StoredName(), longName);
    QCOMPARE(tank->StoredDescription(), std::string());
    ChooseExperiment(rs::Lenses);
    QCOMPARE(tank->GetDescription(), tank->GetRIMap()->TypeDescription());
  }

  // A drip near the top edge makes the only waves: the display shows them at the top. A display
  // shape then resizes every tank and clears its waves.
  void TheDisplayShowsTheImageTheRightWayUpAndShapesResizeEveryTank() {
    Click("NewSlideBtn");
    Click("DripButton");
    auto* box = Control<QWidget>("Box");
    QVERIFY(box->cursor().shape() == Qt::PointingHandCursor);
    Press(box, QPoint(100, 40));
    RunFrames(5);
    const TRef<TWater> tank = window_->GetCurrentWater();
    QVERIFY(tank->DisplacementAt(100, 40) != 0.0f);
    Release(box, QPoint(100, 40));
    RunFrames(5);
    Click("PauseButton");
    RunFrames(1);  // a frozen frame redraws the image from the field
    const QImage shown = box->grab().toImage();
    const TFastDIB& image = window_->TankImage();
    bool symmetric = true;
    for (int y = 0; y < 401; ++y) {
      const TColour expected = image.Pixel(100, y);
      QCOMPARE(shown.pixel(100, y), qRgb(expected.red, expected.green, expected.blue));
      symmetric = symmetric && expected.red == image.Pixel(100, 400 - y).red;
    }
    QVERIFY(!symmetric);

    window_->SetDisplayShape(3);
    QCOMPARE(box->geometry(), QRect(291, 26, 250, 401));  // halving truncates toward zero
    QCOMPARE(QSize(window_->TankImage().Width(), window_->TankImage().Height()), QSize(250, 401));
    for (const TRef<TWater>& slide : {window_->Document().GetWater(0), window_->Document().GetWater(1)})
      QCOMPARE(QSize(slide->W(), slide->H()), QSize(250, 401));
    QCOMPARE(tank->DisplacementAt(100, 40), 0.0f);
    window_->SetDisplayShape(0);
    QCOMPARE(box->geometry(), QRect(216, 26, 401, 401));
  }

  // The presentation enlarges the tank smoothly: from a black pixel to a white one the picture runs
  // through greys, ends held; without the hint it repeats whole pixels.
  void EnlargingBlendsNeighboursOnlyWhenSmooth() {
    TFastDIB image(2, 1);
    image.SetPixel(1, 0, RGB(255, 255, 255));
    for (const bool smooth : {true, false}) {
      QImage screen(8, 4, QImage::Format_RGB32);
      QPainter painter(&screen);
      painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
      PaintFitted(painter, screen.rect(), image);
      painter.end();
      std::vector<int> reds;
      for (int x = 0; x < 8; ++x)
        reds.push_back(qRed(screen.pixel(x, 3)));
      const std::vector<int> expected = smooth ? std::vector<int>{0, 0, 32, 96, 159, 223, 255, 255}
                                               : std::vector<int>{0, 0, 0, 0, 255, 255, 255, 255};
      QCOMPARE(reds, expected);
    }
  }

  void DisplayShapeRepaintsTheOtherSlidesThumbnails() {
    Click("NewSlideBtn");
    QTest::qWait(50);
    TPaintRecorder recorder;
    list_->installEventFilter(&recorder);
    window_->SetDisplayShape(1);
    QTRY_VERIFY(recorder.painted.contains(list_->ItemRect(0)));
  }

  void SnapshotNamesTakeTheExtensionOfTheChosenFilter() {
    QTemporaryDir folder;
    QTimer::singleShot(0, this, [&folder] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;  // no file is written, which the test reports
      if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
        QTest::keyClick(types, Qt::Key_Down);  // "Bitmap (*.bmp)", as the user picks it
      dialog->selectFile(folder.filePath(QStringLiteral("pic")));
      static_cast<QDialog*>(dialog)->accept();  // as the Save button does
    });
    Click("CameraFileBtn");
    const QString bitmap = folder.filePath(QStringLiteral("pic.bmp"));
    QVERIFY(QFileInfo::exists(bitmap));
    QCOMPARE(ReadFileText(bitmap.toStdString()).substr(0, 2), std::string("BM"));
  }

  // Answers the next save dialog with the name in the folder, after the filter below the first.
  void AnswerSaveDialog(const QString& name, int filter) {
    QTimer::singleShot(0, this, [name, filter] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;  // no file is written, which the test reports
      if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < filter; ++i)
          QTest::keyClick(types, Qt::Key_Down);
      }
      dialog->selectFile(name);
      static_cast<QDialog*>(dialog)->accept();
    });
  }

  void RecordShowsTheLengthAndSavesTheFramesAsAClip() {
    QTemporaryDir folder;
    auto* record = Control<TCustomSpeedButton>("RecordButton");
    Click("RecordButton");
    QVERIFY(record->Down());
    RunFrames(70);
    QCOMPARE(record->text(), QStringLiteral("\u25A0 0:01"));       // 70 frames of 16 ms
    AnswerSaveDialog(folder.filePath(QStringLiteral("clip")), 1);  // "WebM video (*.webm)"
    Click("RecordButton");
    QVERIFY(!record->Down());
    QCOMPARE(record->text(), QStringLiteral("Record"));
    const std::string video = ReadFileText(folder.filePath(QStringLiteral("clip.webm")).toStdString());
    QVERIFY(video.starts_with("\x1A\x45\xDF\xA3"));
    QVERIFY(user_.messages.isEmpty());
  }

  void PrintWorksheetWritesAPdfOfCopiesOfTheSlides() {
    QTemporaryDir folder;
    const std::string before = SaveToText(window_->Document());
    AnswerSaveDialog(folder.filePath(QStringLiteral("sheet")), 0);
    window_->findChild<QAction*>(QStringLiteral("PrintWorksheet1"))->trigger();
    QVERIFY(ReadFileText(folder.filePath(QStringLiteral("sheet.pdf")).toStdString()).starts_with("%PDF"));
    QCOMPARE(SaveToText(window_->Document()), before);
    QVERIFY(window_->FrameTimerActive());
  }

  // F1 opens the page of the panel with the focus (the pointer is away from the window): the page of
  // the object a medium, source or tool panel belongs to, at its panel's section.
  void F1OpensThePageOfThePanelWithTheFocus() {
    ChooseExperiment(rs::Lenses);
    window_->Tools().AddToolFromMenu(test::ToolIndexOf(TCrossSectionTool::StaticClassInfo()));
    QCursor::setPos(window_->geometry().bottomRight() + QPoint(100, 100));
    const QString folder = FindDataFolder(TDataFolder::Help);
    QVERIFY(!folder.isEmpty());
    const auto shownPanel = [this](const char* holder) {
      for (QWidget* view : Control<QWidget>(holder)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (view->isVisible()) return view;
      }
      return static_cast<QWidget*>(nullptr);
    };
    const struct {
      QWidget* part;
      QString page;
    } cases[] = {
        {shownPanel("ControlPanelHolder"), "TLensMapper.html#panel"},
        {shownPanel("ExciterControlPanel"), "TGeneralExciter.html#panel"},
        {shownPanel("ToolControlPanel"), "TCrossSectionTool.html#panel"},
        {Control<QWidget>("SlideList"), "slides.html"},
        {Control<QWidget>("ExperimentBtn"), "TLensMapper.html"},
        {Control<QWidget>("ResetBtn"), "index.html#clear"},
    };
    for (const auto& [part, page] : cases) {
      window_->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window_.get()));
      part->setFocus();
      QTest::keyClick(part, Qt::Key_F1);
      const auto* viewer = window_->findChild<THelpViewer*>();
      QVERIFY(viewer && viewer->isVisible());
      QCOMPARE(viewer->CurrentPage(), page);
      QVERIFY(QFileInfo(folder + QLatin1Char('/') + page.section(QLatin1Char('#'), 0, 0)).isFile());
    }
  }

  void DebugRowNamesFitTheirColumn() {
    Control<QWidget>("DebugPanel")->show();
    QTest::qWait(1);
    const auto* rows = Control<QTableWidget>("DataList");
    const QAbstractItemView& view = *rows;  // where the width the texts need is public
    QVERIFY(rows->columnWidth(0) >= view.sizeHintForColumn(0));
    QVERIFY(rows->columnWidth(1) >= view.sizeHintForColumn(1));
  }

  void FilesThatCannotBeOpenedShowTheirMessageAndKeepTheDocument() {
    QTemporaryDir folder;
    const QString cutOff = folder.filePath("cut.wvr");
    const QString tank = folder.filePath("tank.wvr");
    WriteFile(cutOff, "<TSlideshow Version=\"0.5\"><TWater Name=\"x\"><TNoneRIMap");
    WriteFile(tank, "<TWater Name=\"x\"></TWater>");
    TSlideshow* before = &window_->Document();

    window_->Files().OpenSlideshowFile(cutOff);
    window_->Files().OpenSlideshowFile(tank);
    window_->Files().OpenSlideshowFile(folder.filePath("missing.wvr"));
    QCOMPARE(user_.messages.size(), 3);
    QVERIFY(user_.kinds == std::vector(3, TMessageBox::mbError));
    QVERIFY(user_.messages[0].startsWith(QtText(rs::CouldNotLoad) + "\n\n" + QtText(rs::ProblemReported) +
                                         "\n\n"));
    QCOMPARE(user_.messages[1], QtText(rs::NoSlideshowInFile));
    QVERIFY(user_.messages[2].contains("missing.wvr"));
    QCOMPARE(&window_->Document(), before);
    QCOMPARE(list_->Count(), 1);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wavora"));

    // A slide read without a source gets one, with its panel.
    const QString noSource = folder.filePath("nosource.wvr");
    WriteFile(noSource, "<TSlideshow Version=\"0.5\"><TWater><TNoneRIMap /></TWater></TSlideshow>");
    window_->Files().OpenSlideshowFile(noSource);
    QCOMPARE(user_.messages.size(), 3);
    QVERIFY(!Control<QWidget>("ExciterControlPanel")->findChildren<QWidget*>().isEmpty());
  }

  void AnExampleOpensAsAnUntitledCopy() {
    auto* examples = window_->findChild<QMenu*>("Examples1");
    QStringList captions;
    for (const QAction* entry : examples->actions())
      captions << entry->text();
    // In the order a course teaches them.
    QCOMPARE(captions, QStringList({"First steps", "Reflection and refraction", "Lenses and mirrors",
                                    "Diffraction and interference", "Doppler effect", "Measuring waves",
                                    "Waves in the earth", "Tsunami"}));
    examples->actions()[3]->trigger();
    QVERIFY(user_.messages.isEmpty());
    QCOMPARE(QtText(window_->Document().SlideName(0)), QStringLiteral("Through a gap"));
    // No file name: saving asks for one, so the shipped lesson stays as it is.
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wavora"));
  }

  void SavingAndReopeningGivesTheSameSlides() {
    MakeThreeNamedSlides();
    SelectSlide(1);
    QTemporaryDir folder;
    const QString fileName = folder.filePath("demo.wvr");
    QVERIFY(window_->Files().SaveSlideshowFile(fileName));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wavora - demo"));

    // A failed save says so and keeps the file that was there.
    QVERIFY(!window_->Files().SaveSlideshowFile(folder.filePath("no/such/folder/demo.wvr")));
    QCOMPARE(user_.messages.size(), 1);
    QVERIFY(user_.messages[0].startsWith(QtText(rs::CouldNotSave)));

    const TMainForm started(QStringList({"-Debug", folder.filePath("missing.wvr"), fileName}),
                            std::make_unique<TRecordingSink>(user_));
    QVERIFY(started.findChild<QWidget*>("ShowDebugPanelBTN")->isVisibleTo(&started));
    QCOMPARE(user_.messages.size(), 1);
    QCOMPARE(started.Document().SlideCount(), 3);
    QCOMPARE(QtText(started.Document().SlideName(2)), QStringLiteral("C"));
    QCOMPARE(QtText(started.GetCurrentWater()->GetName()), QStringLiteral("B"));
    QCOMPARE(started.windowTitle(), QStringLiteral("Wavora - demo"));
    QCOMPARE(started.findChild<TScrollerList*>("SlideList")->SelectedIndex(), 1);
    QVERIFY(started.findChild<TCustomSpeedButton*>("MenuButton")->Down());
  }

  // Opening another slideshow, closing the window and Exit (which closes it) each ask about a changed
  // slide; "lesson" is saved first, "untitled" never was, "unwritable" lost its folder after saving.
  void ChangesAreAskedAboutBeforeTheDocumentGoes_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kLeaveCases)); ++row) {
      const TLeaveCase& c = kLeaveCases[row];
      QTest::addRow("%s %s %d", c.leave, c.file, int(c.answer)) << row;
    }
  }

  void ChangesAreAskedAboutBeforeTheDocumentGoes() {
    QFETCH(int, row);
    const TLeaveCase& c = kLeaveCases[row];
    const QString leave = QLatin1String(c.leave), file = QLatin1String(c.file);
    const TSaveAnswer answer = c.answer;
    QTemporaryDir folder;
    const QString other = folder.filePath("other.wvr");
    WriteFile(other,
              "<TSlideshow Version=\"0.5\"><TWater Name=\"Other\"><TNoneRIMap /></TWater></TSlideshow>");
    QString saved = folder.filePath("named.wvr");
    if (file != "untitled") {
      QVERIFY(QDir(folder.path()).mkdir(file));
      saved = folder.filePath(file + "/" + file + ".wvr");
      QVERIFY(window_->Files().SaveSlideshowFile(saved));
      if (file == "unwritable") QVERIFY(QDir(folder.filePath(file)).removeRecursively());
    }
    QTest::keyClicks(Control<QLineEdit>("InfoSheetName"), "New");
    const QString typed = ActiveName();
    RunFrames(1);
    QCOMPARE(window_->windowTitle(),
             file == "untitled" ? QStringLiteral("Wavora*") : "Wavora - " + file + "*");

    // The file dialogs that follow: the other slideshow to open, a name to save the untitled one.
    QTimer dialogs;
    dialogs.setSingleShot(true);
    connect(&dialogs, &QTimer::timeout, this, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->selectFile(dialog->acceptMode() == QFileDialog::AcceptOpen ? other : saved);
      static_cast<QDialog*>(dialog)->accept();  // as the dialog's button does
    });
    dialogs.start(0);
    user_.answer = answer;
    if (leave == "open") {
      Control<QMenu>("SlideshowMenu")->actions().constFirst()->trigger();
    } else if (leave == "close") {
      window_->close();
    } else {
      Control<QMenu>("HelpMenu")->findChild<QAction*>("exit1")->trigger();
    }

    const QString name = file == "untitled" ? QStringLiteral("Untitled") : file;
    QCOMPARE(user_.questions, QStringList{QStringLiteral("Save changes to \"%1\"?").arg(name)});
    const bool written =
        QFileInfo::exists(saved) &&
        ReadFileText(LocalPath(saved)).find('"' + typed.toStdString() + '"') != std::string::npos;
    QCOMPARE(written, answer == TSaveAnswer::Save && file != "unwritable");
    QCOMPARE(user_.messages.size(), file == "unwritable" ? 1 : 0);
    const bool gone = answer == TSaveAnswer::Discard || written;
    if (leave == "open") {
      QCOMPARE(ActiveName(), gone ? QStringLiteral("Other") : typed);
    } else {
      QCOMPARE(window_->isVisible(), !gone);
    }
    QCOMPARE(window_->windowTitle(), QLatin1String(c.title));
  }

  // Frames, freezing and clearing the water, selecting a slide and a display shape change nothing
  // worth saving.
  void RunningTheWaterLeavesNoChangeMark() {
    Click("NewSlideBtn");
    ChooseExperiment("Curved Mirror");  // places its ends itself, anew on every shape
    for (int tool = 0; tool < ToolCount(); ++tool)
      window_->Tools().AddToolFromMenu(tool);
    QTemporaryDir folder;
    QVERIFY(window_->Files().SaveSlideshowFile(folder.filePath("lesson.wvr")));
    for (const char* button : {"PauseButton", "ResetBtn", "PauseButton"}) {
      Click(button);
      RunFrames(20);
    }
    window_->SetDisplayShape(3);
    QTest::mouseClick(list_, Qt::LeftButton, {}, list_->ItemRect(0).center());
    QCOMPARE(list_->SelectedIndex(), 0);
    RunFrames(20);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wavora - lesson"));
    window_->close();
    QVERIFY(user_.questions.isEmpty());
    QVERIFY(!window_->isVisible());
  }

  void F11OpensItFullScreenEscOrF11ReturnsAndKeysRunTheWindowsCommands() {
    const QRect geometry = window_->geometry();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_F11}) {
      TPresentationWindow* presentation = Present();
      QVERIFY(presentation && presentation->isFullScreen());
      QTest::keyClick(presentation, key);
      QVERIFY(!presentation->isVisible());
      QVERIFY(QTest::qWaitForWindowActive(window_.get()));
      QCOMPARE(window_->geometry(), geometry);
      QVERIFY(window_->FrameTimerActive());
    }

    Click("NewSlideBtn");
    QCOMPARE(list_->SelectedIndex(), 1);
    TPresentationWindow* presentation = Present();
    const auto press = [presentation](Qt::Key key) { QTest::keyClick(presentation, key); };
    const auto down = [this](const char* button) { return Control<TCustomSpeedButton>(button)->Down(); };
    press(Qt::Key_Space);
    QVERIFY(down("PauseButton"));
    press(Qt::Key_Space);
    QVERIFY(!down("PauseButton"));
    press(Qt::Key_F);
    QVERIFY(down("Button1"));
    press(Qt::Key_D);
    QVERIFY(down("DripButton"));
    // The slide steps stop at either end of the slideshow.
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_PageUp, 0}, {Qt::Key_PageUp, 0}, {Qt::Key_PageDown, 1}, {Qt::Key_PageDown, 1}};
    for (const auto& [key, slide] : steps) {
      press(key);
      QCOMPARE(list_->SelectedIndex(), slide);
      QCOMPARE(window_->GetCurrentWater()->GetUniqueID(), window_->Document().SlideUniqueID(slide));
    }
  }

  void ADripLandsWhereTheEnlargedPictureShowsItAndDeleteClears() {
    TPresentationWindow* presentation = Present();
    QTest::keyClick(presentation, Qt::Key_D);
    TTankBox& box = presentation->Box();
    QCOMPARE(box.cursor().shape(), Qt::PointingHandCursor);
    // On a wide screen the square tank fills the height, centred between black bars.
    box.resize(1000, 600);
    const QRect picture = FittedRect(box.rect(), window_->TankImage());
    QCOMPARE(picture, QRect(200, 0, 600, 600));
    // A point a quarter across and a tenth down the picture is tank pixel (100, 40).
    const QPoint pointer =
        picture.topLeft() + QPoint(picture.width() * 100 / 401 + 1, picture.height() * 40 / 401 + 1);
    Press(&box, pointer);
    RunFrames(5);
    Release(&box, pointer);
    const TRef<TWater> tank = window_->GetCurrentWater();
    QVERIFY(tank->DisplacementAt(100, 40) != 0.0f);
    QCOMPARE(tank->DisplacementAt(300, 40), 0.0f);
    QTest::keyClick(presentation, Qt::Key_Delete);
    QCOMPARE(tank->DisplacementAt(100, 40), 0.0f);
    // A press on the black bar beside the picture reaches nothing.
    QSignalSpy presses(&box, &TTankBox::BoxMouseDown);
    Press(&box, QPoint(100, 300));
    QCOMPARE(presses.count(), 0);
  }

  // Every medium in the real window: chosen from the experiment menu, its handle dragged on the tank
  // display, a control of its panel used, saved and opened again as it was left.
  void EachMediumIsChosenDraggedSetAndReopened_data() {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kMediumCases)); ++row)
      QTest::addRow("%s", kMediumCases[row].className) << row;
  }

  void EachMediumIsChosenDraggedSetAndReopened() {
    QFETCH(int, row);
    const auto& [className, handle, target, onMedium, controlName, position, property, value] =
        kMediumCases[row];
    const QString control = QLatin1String(controlName);
    Control<QMenu>("ExperimentMenu")->actions().at(MapClassIndexOf(className))->trigger();
    const TRef<TWater> tank = window_->GetCurrentWater();
    const TRef<TBaseRIMap> medium = tank->GetRIMap();
    QCOMPARE(medium->ClassInfo().ClassName(), className);
    QCOMPARE(QString::fromStdString(tank->GetName()), QString::fromStdString(medium->TypeName()));

    if (!handle.isNull()) {
      // The tank display shows the image row for row: image row = 400 - grid row.
      const QStringList before = Settings(*medium);
      auto* box = Control<QWidget>("Box");
      Press(box, QPoint(handle.x(), 400 - handle.y()));
      QCOMPARE(tank->CapturedObject().Get(), medium.Get());
      MoveHeld(box, QPoint((handle.x() + target.x()) / 2, 400 - (handle.y() + target.y()) / 2));
      MoveHeld(box, QPoint(target.x(), 400 - target.y()));
      Release(box, QPoint(target.x(), 400 - target.y()));
      QVERIFY(Settings(*medium) != before);
      QVERIFY(tank->SpeedFactorAt(onMedium.x(), 400 - onMedium.y()) < 0.5f);
    }
    if (!control.isEmpty()) {
      if (auto* slider = window_->findChild<TCustomTrackBar*>(control)) {
        slider->SetPosition(position);
      } else {
        QTest::mouseClick(window_->findChild<TCustomSpeedButton*>(control), Qt::LeftButton);
      }
      QCOMPARE(PropertyAsText(*medium, property), value);
    }

    QTemporaryDir folder;
    const QString fileName = folder.filePath("medium.wvr");
    QVERIFY(window_->Files().SaveSlideshowFile(fileName));
    const TMainForm reopened(QStringList({fileName}), std::make_unique<TRecordingSink>(user_));
    QVERIFY(user_.messages.isEmpty());
    const TRef<TBaseRIMap> restored = reopened.GetCurrentWater()->GetRIMap();
    QVERIFY(restored);
    QCOMPARE(Settings(*restored), Settings(*medium));
    if (control.isEmpty()) return;
    if (auto* slider = reopened.findChild<TCustomTrackBar*>(control)) {
      QCOMPARE(slider->Position(), position);
    } else {
      QVERIFY(reopened.findChild<TCustomSpeedButton*>(control)->Down());
    }
  }

  void RunnerPanelPictureMatchesTheWindowsPanel_data() {
    QTest::addColumn<QString>("tool");
    QTest::newRow("cross-section") << QStringLiteral("TCrossSectionTool");
    QTest::newRow("intensity") << QStringLiteral("TIntensityTool");
  }

  void RunnerPanelPictureMatchesTheWindowsPanel() {
    QFETCH(QString, tool);
    constexpr int kFrames = 80;
    TToolPanelView* shown = OpenLineTools(tool, kFrames);
    QVERIFY(shown);
    const QImage inWindow = shown->grab().toImage().convertToFormat(QImage::Format_RGB888);

    const QString picture = folder_.filePath(QStringLiteral("panel.bmp"));
    std::ostringstream out, err;
    QCOMPARE(RunCli({"run", Slide().toStdString(), "--frames", std::to_string(kFrames), "--panel-image",
                     picture.toStdString()},
                    out, err),
             0);
    const QImage fromRunner = QImage(picture).convertToFormat(QImage::Format_RGB888);
    QCOMPARE(fromRunner.size(), QSize(417, 169));
    QCOMPARE(inWindow.size(), fromRunner.size());
    QVERIFY(inWindow == fromRunner);
  }

  void PopupMenuOffersTheToolsSettingsAndCommands() {
    TToolPanelView* shown = OpenLineTools(QStringLiteral("TCrossSectionTool"), 1);
    QVERIFY(shown);
    shown->PopupMenu1Popup(QPoint(0, 0));
    auto* menu = shown->findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    QVERIFY(menu);
    QStringList captions;
    for (const QAction* action : menu->actions())
      captions << action->text();
    QCOMPARE(captions,
             (QStringList{"Save Snapshot", "Copy Snapshot", QString::fromUtf8("Save Data\u2026"), "Copy Data",
                          "", "No Gain", "x2 Gain", "x4 Gain", "x8 Gain", "x16 Gain"}));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("NoGain1"))->isChecked());
    menu->findChild<QAction*>(QStringLiteral("x8Gain1"))->trigger();
    menu->close();
    const TRef<TCrossSectionTool> crossSection = RefCast<TCrossSectionTool>(ActiveTool());
    QVERIFY(crossSection && crossSection->GetActiveCPTool());
    QCOMPARE(crossSection->GetGain(), 8);
  }

  void LoggerButtonsRecordStopAndClearBesideTheTapesBox() {
    QVERIFY(OpenLineTools(QStringLiteral("TPointLoggerTool"), 20));
    auto* view = window_->findChild<TPointLoggerView*>();
    const TRef<TPointLoggerTool> tool = RefCast<TPointLoggerTool>(ActiveTool());
    QVERIFY(view && tool);
    TPointLoggerTool& logger = *tool;
    const auto click = [view](const char* button) {
      QTest::mouseClick(view->findChild<QToolButton*>(QLatin1String(button)), Qt::LeftButton);
    };
    // The tape is five boxes wide, and the box lies right of the button strip.
    QCOMPARE(logger.Tape().Width(),
             TPaperTape::WidthFor(view->width() - TPointLoggerCP::kStripWidth, view->height()));
    QVERIFY(logger.Recording());
    QVERIFY(logger.ColumnClock() > 0);

    click("StopButton");
    QVERIFY(!logger.Recording());
    const int stopped = logger.ColumnClock();
    window_->RunFrame();
    QCOMPARE(logger.ColumnClock(), stopped);
    click("ClearButton");
    QCOMPARE(logger.ColumnClock(), 0);
    click("RecButton");
    window_->RunFrame();
    QVERIFY(logger.Recording());
    QVERIFY(logger.ColumnClock() > 0);
  }

  void ToolMenuOffersEveryToolAndPanelToolsGetPanelItems() {
    window_->Tools().ToolBoxButtonClick();
    auto* menu = Control<QMenu>("PopupMenu3");
    QCOMPARE(menu->actions().size(), ToolCount());
    for (int i = 0; i < ToolCount(); ++i)
      QCOMPARE(menu->actions()[i]->text(), QStringLiteral("New ") + QtText(ToolClass(i)->TypeName()));
    menu->actions()[test::ToolIndexOf(test::TTestMeter::StaticClassInfo())]->trigger();
    menu->close();
    AddTool(test::TTestMeter::StaticClassInfo());
    window_->RunFrame();

    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Empty Tank", "Test Meter", "Test Meter"}));
    QCOMPARE(Objects()->ItemHeightAt(1), 32);
    QCOMPARE(Objects()->ItemHeightAt(2), 75);
    QCOMPARE(Objects()->SelectedIndex(), 3);
    const QList<TToolPanelView*> panels =
        Control<QWidget>("ToolControlPanel")->findChildren<TToolPanelView*>();
    QCOMPARE(panels.size(), 2);
    QVERIFY(!panels[0]->isVisible() && panels[1]->isVisible());
    QVERIFY(!Control<QWidget>("InfoControlPanel")->isVisible());
  }

  // Snap and delete act on the selected object; the source cannot be deleted, and deleting the
  // experiment turns the slide back into an empty tank.
  void DeleteAndSnapFollowTheSelectedObject() {
    AddTool(test::TTestRuler::StaticClassInfo());
    window_->RunFrame();
    auto* remove = Control<TCustomSpeedButton>("DeleteObjectBtn");
    const TRef<TBaseControl> ruler = RefCast<TBaseControl>(
        window_->GetCurrentWater()->GetChildren(window_->GetCurrentWater()->GetChildCount() - 1));
    QTest::mouseClick(Control<TCustomSpeedButton>("SnapToGrid"), Qt::LeftButton);
    QVERIFY(!ruler->GetSnapToGrid());
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Empty Tank"}));

    Objects()->SetSelectedIndex(0);
    window_->Tools().ObjectListClick();
    window_->RunFrame();
    QVERIFY(!remove->isEnabled());
    ChooseExperiment("Test Lens");
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Test Lens"}));
    window_->Tools().DeleteToolBtnClick();
    QCOMPARE(QtText(window_->Document().SlideName(0)), QStringLiteral("Empty Tank"));
  }

  // A lesson driven by keys alone: a medium's handle moved, another slide chosen, a ruler added from
  // the tool menu, its end moved and its length read as a screen reader reads it.
  void ALessonRunsFromTheKeyboardAlone() {
    ChooseExperiment(TPlaneMirror::StaticClassInfo().TypeName());
    Click("NewSlideBtn");
    SelectSlide(0);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    const TRef<TWater> first = window_->GetCurrentWater();
    const auto mirror = RefCast<TBaseControl>(first->GetRIMap());

    // The source's handle comes first, then the medium's: its end moves to the next snap line.
    QVERIFY(TabTo("Box"));
    Key(Qt::Key_N);
    Key(Qt::Key_N);
    QVERIFY2(TankSays().startsWith(QtText(TPlaneMirror::StaticClassInfo().TypeName()) +
                                   QStringLiteral(", handle 1 of 1")),
             qPrintable(TankSays()));
    // The quick mirror turns about its one handle, point 3.
    const TPoint pivot = mirror->Point3();
    Key(Qt::Key_Right);
    const int moved = mirror->GetSnapToGrid() ? 16 : 1;  // a cell, or to the next snap line
    QCOMPARE(mirror->Point3().x, pivot.x + moved);
    QCOMPARE(mirror->GetX3Percent(), TBaseControl::PercentFromCell(pivot.x + moved, first->W()));
    RunFrames(1);
    QVERIFY(window_->windowTitle().endsWith(QtText(rs::ChangedMark)));
    Key(Qt::Key_Space);
    QVERIFY(Control<TCustomSpeedButton>("PauseButton")->Down());

    QVERIFY(TabTo("SlideList"));
    Key(Qt::Key_Down);
    QCOMPARE(window_->Document().ActiveID, window_->Document().GetWater(1)->GetUniqueID());

    QVERIFY(TabTo("ToolsTabButton"));
    Key(Qt::Key_Space);
    QVERIFY(Objects()->isVisible());
    QVERIFY(TabTo("CustomSpeedButton2"));
    Key(Qt::Key_Enter);
    QVERIFY(QApplication::activePopupWidget());
    Key(Qt::Key_Down);  // "New Ruler", the first tool
    Key(Qt::Key_Return);
    const auto ruler = RefCast<TRuler>(ActiveTool());
    QVERIFY(ruler);

    QVERIFY(TabTo("Box"));
    for (int i = 0; i < 4 && !TankSays().startsWith(QtText(rs::Ruler)); ++i)
      Key(Qt::Key_N);
    const float before = ruler->Length();
    Key(Qt::Key_Up, Qt::ShiftModifier);
    QVERIFY(ruler->Length() != before);
    QVERIFY2(TankSays().startsWith(QtText(rs::Ruler) + QLatin1Char(' ') +
                                   QtText(OneDecimal(ruler->Length(), "mm"))),
             qPrintable(TankSays()));
    Key(Qt::Key_Delete);
    QVERIFY(!RefCast<TRuler>(ActiveTool()));
  }

  // The option shows at once, in the window and the tank, and the next window starts with it.
  void HighContrastIsRememberedAndDrawsBolder() {
    // The frozen tank, drawn again: only the objects' pen can change it.
    Click("PauseButton");
    const auto tankPicture = [this] {
      RunFrames(3);
      const TFastDIB& image = window_->TankImage();
      return QByteArray(reinterpret_cast<const char*>(image.Bits()), image.Height() * image.BytesPerRow());
    };
    const QByteArray standard = tankPicture();
    const QColor standardWindow = window_->palette().color(QPalette::Window);
    auto* entry = Control<QMenu>("HelpMenu")->findChild<QAction*>(QStringLiteral("HighContrast1"));
    QVERIFY(entry && entry->isCheckable());
    entry->trigger();
    QVERIFY(TUserSettings::HighContrast());
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(tankPicture() != standard);
    entry->trigger();
    QVERIFY(tankPicture() == standard);
    entry->trigger();
    Start();
    QVERIFY(Control<QMenu>("HelpMenu")->findChild<QAction*>(QStringLiteral("HighContrast1"))->isChecked());
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(Qt::black));
    Control<QMenu>("HelpMenu")->findChild<QAction*>(QStringLiteral("HighContrast1"))->trigger();
    QVERIFY(!TUserSettings::HighContrast());
    QCOMPARE(window_->palette().color(QPalette::Window), standardWindow);
  }

  // Every control a user can reach, on either tab and with the panels of a medium, the source and a
  // tool up, has a name a screen reader can say.
  void EveryVisibleControlHasAnAccessibleName_data() {
    QTest::addColumn<QString>("tab");
    QTest::newRow("tools") << QStringLiteral("ToolsTabButton");
    QTest::newRow("slides") << QStringLiteral("MenuButton");
  }
  void EveryVisibleControlHasAnAccessibleName() {
    QFETCH(QString, tab);
    ChooseExperiment(rs::Lenses);
    AddTool(TCrossSectionTool::StaticClassInfo());
    if (!Control<TCustomSpeedButton>(qPrintable(tab))->Down()) Click(qPrintable(tab));
    RunFrames(1);
    QStringList unnamed;
    for (QWidget* control : window_->findChildren<QWidget*>()) {
      const bool reachable = control->focusPolicy() & Qt::TabFocus;
      if (!control->isVisible() || !reachable) continue;
      if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << control->objectName() + QLatin1Char('/') +
                       QLatin1String(control->metaObject()->className());
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
  }

  // A copied slide pastes as the last one; Paste is offered only for the slide format, and an
  // unusable slide in that format gives its messages in order. Cut copies and deletes, never the last
  // slide.
  void CopyPasteAndCutOfSlides() {
    auto* paste = Control<QAction>("Paste1");
    window_->GetCurrentWater()->SetName("Ripples");
    window_->Clipboard().Copy1Click();
    QVERIFY(paste->isEnabled());
    const int32_t active = window_->Document().ActiveID;
    window_->Clipboard().Paste1Click();
    QCOMPARE(QtText(window_->Document().SlideName(1)), QStringLiteral("Ripples"));
    QCOMPARE(window_->Document().ActiveID, active);

    QGuiApplication::clipboard()->setText(QStringLiteral("<TWater />"));
    QVERIFY(!paste->isEnabled());
    window_->Clipboard().Paste1Click();
    QVERIFY(user_.messages.isEmpty());
    auto* data = new QMimeData;
    data->setData(QtText(kSlideClipboardFormat), QByteArray("<TWater Name=\"cut"));
    QGuiApplication::clipboard()->setMimeData(data);
    window_->Clipboard().Paste1Click();
    QCOMPARE(user_.messages,
             (QStringList{QtText(rs::ClipboardCorrupted), QtText(rs::NoExperimentOnClipboard)}));
    QCOMPARE(window_->Document().SlideCount(), 2);

    window_->GetCurrentWater()->SetName("Second");
    window_->Clipboard().Cut1Click();
    QCOMPARE(window_->Document().SlideCount(), 1);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Name=\"Second\"")));
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    window_->Clipboard().Cut1Click();
    QCOMPARE(window_->Document().SlideCount(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("words"));
    QVERIFY(!Control<QAction>("Cut1")->isEnabled());
  }
};

}  // namespace wavora

QTEST_MAIN(wavora::TWindowTest)
#include "window_test.moc"
