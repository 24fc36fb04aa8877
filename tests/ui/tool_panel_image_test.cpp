#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "app/cli_commands.h"
#include "sim/tool_panel.h"
#include "tools/cross_section_tool.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "ui/tool_panel_view.h"

namespace wavora {

namespace {

// A slide with a source, both line tools and the given one of them holding the panel.
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

class TToolPanelImageTest : public QObject {
  Q_OBJECT

 private slots:
  void RunnerPanelPictureMatchesTheWindowsPanel_data() {
    QTest::addColumn<QString>("tool");
    QTest::newRow("cross-section") << QStringLiteral("TCrossSectionTool");
    QTest::newRow("intensity") << QStringLiteral("TIntensityTool");
  }
  void RunnerPanelPictureMatchesTheWindowsPanel() {
    QFETCH(QString, tool);
    QTemporaryDir folder;
    const QString slide = folder.filePath(QStringLiteral("lines.wvr"));
    std::ofstream(slide.toStdString(), std::ios::binary) << LineToolsSlide(tool.toLatin1().constData());
    constexpr int kFrames = 80;

    TMainForm window(QStringList{});
    window.show();
    window.Files().OpenSlideshowFile(slide);
    for (int frame = 0; frame < kFrames; ++frame)
      window.RunFrame();
    TToolPanelView* shown = nullptr;
    for (TToolPanelView* view : window.findChildren<TToolPanelView*>()) {
      if (view->isVisible()) shown = view;
    }
    QVERIFY(shown);
    const QImage inWindow = shown->grab().toImage().convertToFormat(QImage::Format_RGB888);

    const QString picture = folder.filePath(QStringLiteral("panel.bmp"));
    std::ostringstream out, err;
    QCOMPARE(RunCli({"run", slide.toStdString(), "--frames", std::to_string(kFrames), "--panel-image",
                     picture.toStdString()},
                    out, err),
             0);
    const QImage fromRunner = QImage(picture).convertToFormat(QImage::Format_RGB888);
    QCOMPARE(fromRunner.size(), QSize(417, 169));
    QCOMPARE(inWindow.size(), fromRunner.size());
    QVERIFY(inWindow == fromRunner);
  }

  void PopupMenuOffersTheToolsSettingsAndCommands() {
    QTemporaryDir folder;
    const QString slide = folder.filePath(QStringLiteral("lines.wvr"));
    std::ofstream(slide.toStdString(), std::ios::binary) << LineToolsSlide("TCrossSectionTool");
    TMainForm window(QStringList{});
    window.show();
    window.Files().OpenSlideshowFile(slide);
    window.RunFrame();
    TToolPanelView* shown = nullptr;
    for (TToolPanelView* view : window.findChildren<TToolPanelView*>()) {
      if (view->isVisible()) shown = view;
    }
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
    const TRef<TWater> tank = window.GetCurrentWater();
    int gain = 0;
    for (int i = 0; i < tank->GetChildCount(); ++i) {
      const TRef<TCrossSectionTool> crossSection = RefCast<TCrossSectionTool>(tank->GetChildren(i));
      if (crossSection && crossSection->GetActiveCPTool()) gain = crossSection->GetGain();
    }
    QCOMPARE(gain, 8);
    menu->close();
  }
};

int RunToolPanelImageTests(int argc, char** argv) {
  TToolPanelImageTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "tool_panel_image_test.moc"
