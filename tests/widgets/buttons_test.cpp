#include <QSignalSpy>
#include <QTest>

#include "mouse.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"
#include "widgets/icons.h"
#include "widgets/widget_palette.h"

namespace wavora {

class TButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void GroupedSpeedButtonsAreDownOneAtATime() {
    QWidget parent;
    TCustomSpeedButton a(&parent), b(&parent), other(&parent), plain(&parent);
    for (TCustomSpeedButton* button : {&a, &b}) {
      button->SetGroupIndex(1);
      button->resize(40, 30);
    }
    other.SetGroupIndex(2);
    other.SetDown(true);
    plain.resize(40, 30);

    QTest::mouseClick(&a, Qt::LeftButton);
    QVERIFY(a.Down());
    QTest::mouseClick(&b, Qt::LeftButton);
    QVERIFY(b.Down());
    QVERIFY(!a.Down());
    QVERIFY(other.Down());

    // Without AllowAllUp the down button of a group stays down, by click or from code.
    QSignalSpy clicks(&b, &QAbstractButton::clicked);
    QTest::mouseClick(&b, Qt::LeftButton);
    b.SetDown(false);
    QVERIFY(b.Down());
    QCOMPARE(clicks.count(), 1);

    // Group 0 is a plain push button, never latched.
    QTest::mouseClick(&plain, Qt::LeftButton);
    plain.SetDown(true);
    QVERIFY(!plain.Down());

    // With AllowAllUp a click lets the down button come up.
    for (TCustomSpeedButton* button : {&a, &b})
      button->SetAllowAllUp(true);
    a.SetDown(true);
    b.SetDown(true);
    QVERIFY(!a.Down());
    QTest::mouseClick(&b, Qt::LeftButton);
    QVERIFY(!a.Down());
    QVERIFY(!b.Down());
  }

  // The tools column's 50-pixel "Snap" button has no room for its glyph beside its caption.
  void AFaceTooNarrowForGlyphAndCaptionShowsTheCaptionAlone() {
    const auto face = [](const QIcon& glyph, int width) {
      TCustomSpeedButton button;
      button.resize(width, 34);
      button.SetGlyph(glyph);
      button.SetCaption(QStringLiteral("Snap"));
      return button.grab().toImage();
    };
    const QIcon glyph = WavoraIcon(TIcon::SnapToGrid);
    QCOMPARE(face(glyph, 50), face(QIcon(), 50));
    QVERIFY(face(glyph, 90) != face(QIcon(), 90));
  }

  void TrackBarFollowsThePointerWithinItsRange() {
    TCustomTrackBar bar;
    bar.resize(119, 30);  // groove from x = 9 to x = 109: one pixel per step of 0 .. 100
    bar.SetMax(100);
    bar.SetPosition(50);
    QSignalSpy changes(&bar, &TCustomTrackBar::Change);

    Press(&bar, QPoint(29, 15));
    QCOMPARE(bar.Position(), 20);
    MoveHeld(&bar, QPoint(500, 15));
    QCOMPARE(bar.Position(), 100);
    Release(&bar, QPoint(-40, 15));
    QCOMPARE(bar.Position(), 0);
    QCOMPARE(changes.count(), 3);
    QCOMPARE(changes.last()[0].toInt(), 0);

    bar.SetPosition(150);
    QCOMPARE(bar.Position(), 100);
  }

  void TrackBarDrawsATickEveryFrequencySteps() {
    TCustomTrackBar bar;
    bar.resize(119, 30);
    bar.SetMax(100);
    bar.SetFrequency(10);
    const QImage image = bar.grab().toImage();
    // Ticks hang 10 pixels below the groove's centre line (15 - 3).
    int ticks = 0;
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, 23) == palette::kTick) ++ticks;
    }
    QCOMPARE(ticks, 11);
  }
};

}  // namespace wavora

int RunButtonTests(int argc, char** argv) {
  wavora::TButtonsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "buttons_test.moc"
