#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "app/cli_commands.h"
#include "sim/tool_panel.h"
#include "tools/cross_section_tool.h"
#include "tools/point_logger_cp.h"
#include "tools/point_logger_tool.h"
#include "ui/point_logger_view.h"
#include "ui/tool_panel_view.h"
#include "window_fixture.h"

namespace wavora {

namespace {

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

class TToolPanelViewsTest : public TWindowFixture {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  // The last tool of the slide, the one that holds the panel.
  iXMLNode ActiveTool() const {
    const TRef<TWater> tank = window_->GetCurrentWater();
    return tank->GetChildren(tank->GetChildCount() - 1);
  }

  QString Slide() const { return folder_.filePath(QStringLiteral("lines.wvr")); }
  // The window on the slide after the given frames, and the tool panel it shows.
  TToolPanelView* Open(const QString& tool, int frames) {
    std::ofstream(Slide().toStdString(), std::ios::binary) << LineToolsSlide(tool.toLatin1().constData());
    Start();
    window_->Files().OpenSlideshowFile(Slide());
    for (int frame = 0; frame < frames; ++frame)
      window_->RunFrame();
    TToolPanelView* shown = nullptr;
    for (TToolPanelView* view : window_->findChildren<TToolPanelView*>()) {
      if (view->isVisible()) shown = view;
    }
    return shown;
  }

 private slots:
  void cleanup() { window_.reset(); }

  void RunnerPanelPictureMatchesTheWindowsPanel_data() {
    QTest::addColumn<QString>("tool");
    QTest::newRow("cross-section") << QStringLiteral("TCrossSectionTool");
    QTest::newRow("intensity") << QStringLiteral("TIntensityTool");
  }
  void RunnerPanelPictureMatchesTheWindowsPanel() {
    QFETCH(QString, tool);
    constexpr int kFrames = 80;
    TToolPanelView* shown = Open(tool, kFrames);
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
    TToolPanelView* shown = Open(QStringLiteral("TCrossSectionTool"), 1);
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
    QVERIFY(Open(QStringLiteral("TPointLoggerTool"), 20));
    auto* view = window_->findChild<TPointLoggerView*>();
    QVERIFY(view);
    const TRef<TPointLoggerTool> tool = RefCast<TPointLoggerTool>(ActiveTool());
    QVERIFY(tool);
    TPointLoggerTool& logger = *tool;
    // The tape is five boxes wide, and the box lies right of the button strip.
    QCOMPARE(logger.Tape().Width(),
             TPaperTape::WidthFor(view->width() - TPointLoggerCP::kStripWidth, view->height()));
    QVERIFY(logger.Recording());
    QVERIFY(logger.ColumnClock() > 0);

    QTest::mouseClick(view->findChild<QToolButton*>(QStringLiteral("StopButton")), Qt::LeftButton);
    QVERIFY(!logger.Recording());
    const int stopped = logger.ColumnClock();
    window_->RunFrame();
    QCOMPARE(logger.ColumnClock(), stopped);
    QTest::mouseClick(view->findChild<QToolButton*>(QStringLiteral("ClearButton")), Qt::LeftButton);
    QCOMPARE(logger.ColumnClock(), 0);
    QTest::mouseClick(view->findChild<QToolButton*>(QStringLiteral("RecButton")), Qt::LeftButton);
    window_->RunFrame();
    QVERIFY(logger.Recording());
    QVERIFY(logger.ColumnClock() > 0);
  }
};

int RunToolPanelViewTests(int argc, char** argv) {
  TToolPanelViewsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "tool_panel_views_test.moc"
