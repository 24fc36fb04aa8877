#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "sim/water.h"
#include "tools/point_logger_cp.h"
#include "tools/point_logger_tool.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "ui/point_logger_view.h"

namespace wavora {

namespace {

const char kLoggerSlide[] =
    "<TSlideshow ActiveID=\"11\" Version=\"0.5\">\r\n  <TWater UniqueID=\"11\" Name=\"Tape\">\r\n"
    "    <TNoneRIMap UniqueID=\"12\" />\r\n    <TGeneralExciter UniqueID=\"13\" BeamType=\"0\" />\r\n"
    "    <TPointLoggerTool UniqueID=\"14\" ActiveCPTool=\"True\" />\r\n  </TWater>\r\n</TSlideshow>\r\n";

}  // namespace

class TPointLoggerViewTest : public QObject {
  Q_OBJECT

 private slots:
  void ButtonsRecordStopAndClearBesideTheTapesBox() {
    QTemporaryDir folder;
    const QString slide = folder.filePath(QStringLiteral("tape.wvr"));
    std::ofstream(slide.toStdString(), std::ios::binary) << kLoggerSlide;
    TMainForm window(QStringList{});
    window.show();
    window.Files().OpenSlideshowFile(slide);
    for (int frame = 0; frame < 20; ++frame)
      window.RunFrame();
    auto* view = window.findChild<TPointLoggerView*>();
    QVERIFY(view);
    const TRef<TPointLoggerTool> tool = RefCast<TPointLoggerTool>(window.GetCurrentWater()->GetChildren(2));
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
    window.RunFrame();
    QCOMPARE(logger.ColumnClock(), stopped);
    QTest::mouseClick(view->findChild<QToolButton*>(QStringLiteral("ClearButton")), Qt::LeftButton);
    QCOMPARE(logger.ColumnClock(), 0);
    QTest::mouseClick(view->findChild<QToolButton*>(QStringLiteral("RecButton")), Qt::LeftButton);
    window.RunFrame();
    QVERIFY(logger.Recording());
    QVERIFY(logger.ColumnClock() > 0);
  }
};

int RunPointLoggerViewTests(int argc, char** argv) {
  TPointLoggerViewTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "point_logger_view_test.moc"
