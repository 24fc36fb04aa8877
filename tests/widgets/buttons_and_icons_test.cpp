#include <QImage>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTest>
#include <cmath>

#include "widgets/custom_speed_button.h"
#include "widgets/icons.h"
#include "widgets/widget_palette.h"

namespace wavora {

class TButtonsAndIconsTest : public QObject {
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

  // The caption's ink stands out on every face a control takes, in either scheme: a light face under
  // the white high-contrast ink would hide the caption.
  void CaptionsStandOutOnEveryFaceInBothSchemes() {
    const auto lightness = [](QRgb colour) { return QColor(colour).lightnessF(); };
    for (const TWidgetColours* scheme : {&kStandardColours, &kHighContrastColours}) {
      for (const QRgb face :
           {scheme->window, scheme->listBackground, scheme->face, scheme->faceHover, scheme->accentSoft})
        QVERIFY(std::abs(lightness(scheme->text) - lightness(face)) > 0.5);
    }
  }

  void EveryIconIsCompiledInAndDrawsSomething() {
    for (int i = 0; i < kIconCount; ++i) {
      const TIcon icon = static_cast<TIcon>(i);
      const QString path = IconPath(icon);
      QSvgRenderer renderer(path);
      QVERIFY2(renderer.isValid(), qPrintable(path));
      const QImage image = WavoraIcon(icon).pixmap(20, 20).toImage();
      QCOMPARE(image.size(), QSize(20, 20));
      int inked = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
          inked += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
      }
      QVERIFY2(inked >= 10, qPrintable(path));
    }
  }

  // A picture drawn anew for every button or list item painted would leave a new set of scaled
  // copies in Qt's pixmap cache each time.
  void KeptIconIsMadeOnceAndHandedOutAgain() {
    int made = 0;
    const auto make = [&made] {
      ++made;
      QPixmap pixmap(8, 8);
      pixmap.fill(Qt::red);
      return QIcon(pixmap);
    };
    const QIcon first = KeptIcon(QStringLiteral("test red"), make);
    QCOMPARE(KeptIcon(QStringLiteral("test red"), make).cacheKey(), first.cacheKey());
    QCOMPARE(made, 1);
    QVERIFY(KeptIcon(QStringLiteral("test blue"), make).cacheKey() != first.cacheKey());
    QCOMPARE(WavoraIcon(TIcon::Freeze).cacheKey(), WavoraIcon(TIcon::Freeze).cacheKey());
  }

  void ToolsHaveTheirPicturesByImageIndex() {
    for (const int imageIndex : {1, 2, 3, 4, 5, 6, 7, 8})
      QVERIFY(!ToolIcon(imageIndex).isNull());
    QVERIFY(ToolIcon(0).isNull());
  }
};

}  // namespace wavora

int RunButtonTests(int argc, char** argv) {
  wavora::TButtonsAndIconsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "buttons_and_icons_test.moc"
