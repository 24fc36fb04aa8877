#include "widgets/icons.h"

#include <QImage>
#include <QSvgRenderer>
#include <QTest>

namespace wavora {

class TIconsTest : public QObject {
  Q_OBJECT

 private slots:
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

int RunIconTests(int argc, char** argv) {
  wavora::TIconsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "icons_test.moc"
