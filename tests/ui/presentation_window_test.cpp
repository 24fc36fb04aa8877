#include <QSignalSpy>
#include <QTest>

#include "../widgets/mouse.h"
#include "ui/dib_image.h"
#include "ui/presentation_window.h"
#include "ui/tank_box.h"
#include "widgets/custom_speed_button.h"
#include "widgets/scroller_list.h"
#include "window_fixture.h"

namespace wavora {

class TPresentationTest : public TWindowFixture {
  Q_OBJECT

 private:
  TCustomSpeedButton* Button(const char* name) const { return Control<TCustomSpeedButton>(name); }
  int SelectedSlide() const { return Control<TScrollerList>("SlideList")->SelectedIndex(); }
  TPresentationWindow* Open() const {
    QTest::keyClick(window_.get(), Qt::Key_F11);
    auto* presentation = window_->findChild<TPresentationWindow*>();
    if (presentation && !QTest::qWaitForWindowExposed(presentation)) return nullptr;
    return presentation;
  }

 private slots:
  void init() {
    Start();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void F11OpensItFullScreenEscOrF11ReturnsAndKeysRunTheWindowsCommands() {
    const QRect geometry = window_->geometry();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_F11}) {
      TPresentationWindow* presentation = Open();
      QVERIFY(presentation && presentation->isFullScreen());
      QTest::keyClick(presentation, key);
      QVERIFY(!presentation->isVisible());
      QVERIFY(QTest::qWaitForWindowActive(window_.get()));
      QCOMPARE(window_->geometry(), geometry);
      QVERIFY(window_->FrameTimerActive());
    }

    Button("NewSlideBtn")->click();
    QCOMPARE(SelectedSlide(), 1);
    TPresentationWindow* presentation = Open();
    const auto press = [presentation](Qt::Key key) { QTest::keyClick(presentation, key); };
    press(Qt::Key_Space);
    QVERIFY(Button("PauseButton")->Down());
    press(Qt::Key_Space);
    QVERIFY(!Button("PauseButton")->Down());
    press(Qt::Key_F);
    QVERIFY(Button("Button1")->Down());
    press(Qt::Key_D);
    QVERIFY(Button("DripButton")->Down());
    // The slide steps stop at either end of the slideshow.
    const std::pair<Qt::Key, int> steps[] = {
        {Qt::Key_PageUp, 0}, {Qt::Key_PageUp, 0}, {Qt::Key_PageDown, 1}, {Qt::Key_PageDown, 1}};
    for (const auto& [key, slide] : steps) {
      press(key);
      QCOMPARE(SelectedSlide(), slide);
      QCOMPARE(window_->GetCurrentWater()->GetUniqueID(), window_->Document().SlideUniqueID(slide));
    }
  }

  void ADripLandsWhereTheEnlargedPictureShowsItAndDeleteClears() {
    TPresentationWindow* presentation = Open();
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
    for (int i = 0; i < 5; ++i)
      window_->RunFrame();
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
};

int RunPresentationTests(int argc, char** argv) {
  TPresentationTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "presentation_window_test.moc"
