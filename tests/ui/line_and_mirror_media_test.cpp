#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "../widgets/mouse.h"
#include "document/water_collection.h"
#include "media/curved_mirror.h"
#include "media/plane_mirror.h"
#include "media/plane_mirror_cp.h"
#include "media/refraction_mapper.h"
#include "model/property_text.h"
#include "sim/ri_map.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "ui/message_sink.h"
#include "ui/panel_views.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"

namespace wavora {

namespace {

// Opening and saving in these tests must not fail; any message is a fault.
class TNoMessages : public IMessageSink {
 public:
  void ShowMessage(TMessageBox::TKind, const QString& text) override { QFAIL(qPrintable(text)); }
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

}  // namespace

class TLineAndMirrorMediaTest : public QObject {
  Q_OBJECT

 private slots:
  void EachMediumIsChosenDraggedSetAndReopened_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QPoint>("handle");  // grid cells, y upward
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QPoint>("onMedium");  // a cell the moved medium covers
    QTest::addColumn<QString>("panel");
    QTest::newRow("refraction") << "TRefractionMapper" << QPoint(200, 200) << QPoint(260, 230)
                                << QPoint(260, 230) << "TRefractionCP";
    QTest::newRow("plane mirror") << "TPlaneMirror" << QPoint(200, 200) << QPoint(150, 120)
                                  << QPoint(150, 120) << "TPlaneMirrorCP";
    // Handle 3 at column 150 bends the mirror to radius 349 with its vertex at column 267.
    QTest::newRow("curved mirror") << "TCurvedMirror" << QPoint(102, 200) << QPoint(150, 200)
                                   << QPoint(267, 200) << "TCurvedMirrorCP";
    QTest::newRow("barrier") << "TBarrierMapper" << QPoint(122, 200) << QPoint(160, 250) << QPoint(160, 250)
                             << "";
  }

  void EachMediumIsChosenDraggedSetAndReopened() {
    QFETCH(QString, className);
    QFETCH(QPoint, handle);
    QFETCH(QPoint, target);
    QFETCH(QPoint, onMedium);
    QFETCH(QString, panel);
    TMainForm window(QStringList(), std::make_unique<TNoMessages>());
    window.show();
    auto* menu = window.findChild<QMenu*>("ExperimentMenu");
    menu->actions().at(MapClassIndexOf(className.toStdString()))->trigger();
    const TRef<TWater> tank = window.GetCurrentWater();
    const TRef<TBaseRIMap> medium = tank->GetRIMap();
    QCOMPARE(QString::fromStdString(medium->ClassInfo().ClassName()), className);

    // The tank display shows the image row for row: image row = 400 - grid row.
    auto* box = window.findChild<QWidget*>("Box");
    Press(box, QPoint(handle.x(), 400 - handle.y()));
    QVERIFY(medium->IsDragging());
    MoveHeld(box, QPoint((handle.x() + target.x()) / 2, 400 - (handle.y() + target.y()) / 2));
    MoveHeld(box, QPoint(target.x(), 400 - target.y()));
    Release(box, QPoint(target.x(), 400 - target.y()));
    const TPoint moved = medium->HandleKind() == 4 ? medium->Point3() : medium->Point2();
    QCOMPARE(QPoint(moved.x, moved.y), target);
    QVERIFY(tank->SpeedFactorAt(onMedium.x(), 400 - onMedium.y()) < 0.5f);

    if (!panel.isEmpty()) {
      auto* view = window.findChild<QWidget*>(panel);
      QVERIFY(view && view->isVisible());
      // The accurate button of every panel here has tag 2 or 0; the accurate types have kind 2 or 5.
      const char* accurate = className == "TCurvedMirror" ? "Type2" : "Type0";
      QTest::mouseClick(view->findChild<TCustomSpeedButton*>(accurate), Qt::LeftButton);
      QVERIFY(medium->HandleKind() == 2 || medium->HandleKind() == 5);
    }

    QTemporaryDir folder;
    const QString fileName = folder.filePath("medium.wvr");
    QVERIFY(window.Files().SaveSlideshowFile(fileName));
    const TMainForm reopened(QStringList({fileName}), std::make_unique<TNoMessages>());
    const TRef<TBaseRIMap> restored = reopened.GetCurrentWater()->GetRIMap();
    QVERIFY(restored);
    QCOMPARE(Settings(*restored), Settings(*medium));
  }

  void RefractionPanelEmbedsTheIndexSlider() {
    const TRef<TRefractionMapper> boundary = MakeNode<TRefractionMapper>();
    auto panel = boundary->CreateControlPanel();
    const std::unique_ptr<QWidget> view = CreatePanelView(*panel, nullptr);
    QCOMPARE(view->size(), QSize(177, 170));
    QVERIFY(view->findChild<TCustomSpeedButton*>("Type1")->Down());
    QTest::mouseClick(view->findChild<TCustomSpeedButton*>("Type2"), Qt::LeftButton);
    QCOMPARE(boundary->GetMode(), 2);
    QVERIFY(!view->findChild<TCustomSpeedButton*>("Type1")->Down());
    view->findChild<TCustomTrackBar*>("RfIndex")->SetPosition(10);
    QCOMPARE(boundary->GetN(), 1 / 11.0f);
  }
};

int RunLineAndMirrorMediaTests(int argc, char** argv) {
  TLineAndMirrorMediaTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "line_and_mirror_media_test.moc"
