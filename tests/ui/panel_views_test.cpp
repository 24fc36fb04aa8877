#include <QLabel>
#include <QTest>

#include "media/earth_cp.h"
#include "media/earth_mapper.h"
#include "media/fiber_control_panel.h"
#include "media/refraction_mapper.h"
#include "media/slits_control_panel.h"
#include "sim/control_panel_model.h"
#include "sim/general_exciter_cp.h"
#include "sim/refractive_index_cp.h"
#include "sim/simple_message_cp.h"
#include "ui/panel_views.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"

namespace wavora {

class TPanelViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void EachPanelModelGetsItsOwnView() {
    QWidget holder;
    holder.resize(175, 150);
    TRefractiveIndexCP refractiveIndex;
    TSimpleMessageCP message("Choose an object");
    TControlPanelModel unknown;

    const std::unique_ptr<QWidget> indexView = CreatePanelView(refractiveIndex, &holder);
    const std::unique_ptr<QWidget> messageView = CreatePanelView(message, &holder);
    QVERIFY(indexView && messageView);
    QCOMPARE(indexView->objectName(), QStringLiteral("TRefractiveIndexCP"));
    QCOMPARE(indexView->size(), QSize(177, 90));
    QCOMPARE(qobject_cast<QLabel*>(messageView.get())->text(), QStringLiteral("Choose an object"));
    QCOMPARE(messageView->size(), holder.size());
    QVERIFY(!CreatePanelView(unknown, &holder));

    auto* slider = indexView->findChild<TCustomTrackBar*>("RfIndex");
    auto* value = indexView->findChild<QLabel*>("RefractiveIndexLabel");
    slider->SetPosition(5);
    QCOMPARE(refractiveIndex.Position(), 5);
    QCOMPARE(value->text(), QStringLiteral("1.35"));
    slider->SetPosition(10);
    QCOMPARE(value->text(), QStringLiteral("3.32"));
  }

  void TheSourcePanelFollowsItsModel() {
    TGeneralExciterCP model;
    model.SetFromSource();
    const std::unique_ptr<QWidget> view = CreatePanelView(model, nullptr);
    QCOMPARE(view->objectName(), QStringLiteral("TGeneralExciterCP"));
    auto* pulse = view->findChild<TCustomSpeedButton*>("OneWave");
    QTest::mouseClick(pulse, Qt::LeftButton);
    QVERIFY(model.OneWaveDown());
    QVERIFY(pulse->Down());
    QVERIFY(!view->findChild<TCustomSpeedButton*>("PowerButton")->Down());

    view->findChild<TCustomTrackBar*>("WavelengthBar")->SetPosition(20);
    QCOMPARE(view->findChild<QLabel*>("FrequencyLabel")->text(), QStringLiteral("2.21Hz"));
    // Only the double source shows the detune controls.
    QVERIFY(!view->findChild<QWidget*>("DetuneSlider")->isVisibleTo(view.get()));
    model.ShapeMenuClick(3);
    // The 200 ms poll shows the new shape.
    QTRY_VERIFY(view->findChild<QWidget*>("DetuneSlider")->isVisibleTo(view.get()));
  }

  void TheMediumPanelsDriveTheirModels() {
    const TRef<TRefractionMapper> boundary = MakeNode<TRefractionMapper>();
    auto panel = boundary->CreateControlPanel();
    const std::unique_ptr<QWidget> view = CreatePanelView(*panel, nullptr);
    QCOMPARE(view->size(), QSize(177, 170));
    QVERIFY(view->findChild<TCustomSpeedButton*>("Type1")->Down());
    view->findChild<TCustomTrackBar*>("RfIndex")->SetPosition(10);
    QCOMPARE(boundary->GetN(), 1 / 11.0f);

    TFiberControlPanel fibre;
    const std::unique_ptr<QWidget> fibreView = CreatePanelView(fibre, nullptr);
    QCOMPARE(fibreView->size(), QSize(177, 175));
    fibreView->findChild<TCustomTrackBar*>("WidthSlider")->SetPosition(12);
    QCOMPARE(fibre.WidthSliderPosition(), 12);
    QCOMPARE(fibreView->findChild<QLabel*>("WidthLabel")->text(), QStringLiteral("12mm"));
    QVERIFY(fibreView->findChild<QWidget*>("RefractiveIndexCP1"));

    TSlitsControlPanel slits;
    const std::unique_ptr<QWidget> slitsView = CreatePanelView(slits, nullptr);
    slitsView->findChild<TCustomTrackBar*>("SpacingBar")->SetPosition(25);
    QCOMPARE(slits.Position(TSlitsControlPanel::SpacingBar), 25);
    QCOMPARE(slitsView->findChild<QLabel*>("SpacingNumber")->text(), QStringLiteral("25mm"));

    const TRef<TEarthRIMapper> mapper = MakeNode<TEarthRIMapper>();
    TEarthCP earth(*mapper);
    const std::unique_ptr<QWidget> earthView = CreatePanelView(earth, nullptr);
    QVERIFY(earthView->findChild<TCustomSpeedButton*>("Type0")->Down());
    QVERIFY(!earthView->findChild<QWidget*>("Type2"));
    QTest::mouseClick(earthView->findChild<TCustomSpeedButton*>("Type3"), Qt::LeftButton);
    QCOMPARE(earth.DownTag(), 3);
    QCOMPARE(mapper->GetMode(), 3);
    QVERIFY(!earthView->findChild<TCustomSpeedButton*>("Type0")->Down());
  }
};

int RunPanelViewTests(int argc, char** argv) {
  TPanelViewsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "panel_views_test.moc"
