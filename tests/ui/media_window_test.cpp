#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "../widgets/mouse.h"
#include "model/property_text.h"
#include "sim/ri_map.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"
#include "window_fixture.h"

namespace wavora {

namespace {

// Every published value of the medium but its identifier, as text.
QStringList Settings(const TBaseRIMap& medium) {
  QStringList settings;
  for (const TPropertyInfo& property : medium.ClassInfo().Properties()) {
    if (property.name != "UniqueID")
      settings << QString::fromStdString(property.name + "=" + PropertyAsText(medium, property.name));
  }
  return settings;
}

const QPoint kNone(-1, -1);

}  // namespace

// Every medium in the real window: chosen from the experiment menu, its handle dragged on the tank
// display, a control of its panel used, saved and opened again as it was left.
class TMediaWindowTest : public TWindowFixture {
  Q_OBJECT

 private slots:
  void init() { Start(); }
  void cleanup() { window_.reset(); }

  void EachMediumIsChosenDraggedSetAndReopened_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QPoint>("handle");  // grid cells, y upward; kNone: no drag
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QPoint>("onMedium");  // a cell the moved medium slows
    QTest::addColumn<QString>("control");  // a button clicked or a slider set on the panel
    QTest::addColumn<int>("position");     // of the slider
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");  // of the property after the control was used
    QTest::newRow("refraction") << "TRefractionMapper" << QPoint(200, 200) << QPoint(260, 230)
                                << QPoint(260, 230) << "Type0" << 0 << "Mode"
                                << "0";
    QTest::newRow("plane mirror") << "TPlaneMirror" << QPoint(200, 200) << QPoint(150, 120)
                                  << QPoint(150, 120) << "Type0" << 0 << "Mode"
                                  << "0";
    // Handle 3 at column 150 bends the mirror to radius 349 with its vertex at column 267.
    QTest::newRow("curved mirror") << "TCurvedMirror" << QPoint(102, 200) << QPoint(150, 200)
                                   << QPoint(267, 200) << "Type2" << 0 << "MirrorType"
                                   << "2";
    QTest::newRow("barrier") << "TBarrierMapper" << QPoint(122, 200) << QPoint(160, 250) << QPoint(160, 250)
                             << "" << 0 << ""
                             << "";
    // The right handle pulled 50 cells straight above the centre: a quarter turn, 100 cells wide.
    QTest::newRow("block") << "TBlockRIMapper" << QPoint(280, 199) << QPoint(200, 250) << QPoint(200, 249)
                           << "" << 0 << ""
                           << "";
    // The focus handle drawn to column 250: F = 250 - 133; the concave lens is thin on its axis.
    QTest::newRow("lens") << "TLensMapper" << QPoint(333, 200) << QPoint(250, 310) << QPoint(133, 200)
                          << "Type1" << 0 << "LensType"
                          << "1";
    QTest::newRow("slits") << "TSlitsRIMapper" << kNone << kNone << kNone << "SlitCount" << 2 << "Number"
                           << "2";
    QTest::newRow("fibre") << "TSimpleWaveGuideRIMapper" << kNone << kNone << kNone << "WidthSlider" << 52
                           << "FibreWidth"
                           << "52";
    QTest::newRow("earth") << "TEarthRIMapper" << kNone << kNone << kNone << "Type4" << 0 << "Mode"
                           << "4";
  }

  void EachMediumIsChosenDraggedSetAndReopened() {
    QFETCH(QString, className);
    QFETCH(QPoint, handle);
    QFETCH(QPoint, target);
    QFETCH(QPoint, onMedium);
    QFETCH(QString, control);
    QFETCH(int, position);
    QFETCH(QString, property);
    QFETCH(QString, value);
    Control<QMenu>("ExperimentMenu")->actions().at(MapClassIndexOf(className.toStdString()))->trigger();
    const TRef<TWater> tank = window_->GetCurrentWater();
    const TRef<TBaseRIMap> medium = tank->GetRIMap();
    QCOMPARE(QString::fromStdString(medium->ClassInfo().ClassName()), className);
    QCOMPARE(QString::fromStdString(tank->GetName()), QString::fromStdString(medium->TypeName()));

    if (handle != kNone) {
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
      QCOMPARE(QString::fromStdString(PropertyAsText(*medium, property.toStdString())), value);
    }

    QTemporaryDir folder;
    const QString fileName = folder.filePath("medium.wvr");
    QVERIFY(window_->Files().SaveSlideshowFile(fileName));
    const TMainForm reopened(QStringList({fileName}), std::make_unique<TMessageRecorder>(messages_));
    QVERIFY(messages_.empty());
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
};

int RunMediaWindowTests(int argc, char** argv) {
  TMediaWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "media_window_test.moc"
