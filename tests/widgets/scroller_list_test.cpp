#include "widgets/scroller_list.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "mouse.h"

namespace wavora {

namespace {

constexpr QRgb kItemColour = qRgb(255, 0, 0);
constexpr QRgb kSelectedColour = qRgb(0, 0, 255);

// A 100 by 200 list of items "A", "B", ... with identifiers 10, 11, ..., drawn in flat colours.
std::unique_ptr<TScrollerList> MakeList(std::initializer_list<int> heights) {
  auto list = std::make_unique<TScrollerList>();
  list->resize(100, 200);
  list->SetDrawItem([](QPainter& painter, int, const QRect& rect, bool selected) {
    painter.fillRect(rect, QColor(selected ? kSelectedColour : kItemColour));
  });
  int i = 0;
  for (int height : heights) {
    list->AddItem(QString(QChar('A' + i)), 10 + i, height);
    ++i;
  }
  return list;
}

QStringList Texts(const TScrollerList& list) {
  QStringList texts;
  for (int i = 0; i < list.Count(); ++i)
    texts << list.ItemText(i);
  return texts;
}

QPoint CentreOf(const TScrollerList& list, int index) {
  return list.ItemRect(index).center();
}

const QPoint kOnBottomArrow(50, 195);

}  // namespace

class TScrollerListTest : public QObject {
  Q_OBJECT

 private slots:
  void ArrowsShowOnlyWhileItemsAreHiddenBeyondTheirEdge() {
    auto list = MakeList({70, 70, 70, 70, 70});  // 350 pixels in a 200 pixel view
    QVERIFY(!list->TopArrowVisible());
    QVERIFY(list->BottomArrowVisible());

    list->ScrollBy(60);
    QVERIFY(list->TopArrowVisible());
    QVERIFY(list->BottomArrowVisible());

    list->ScrollBy(1000);
    QCOMPARE(list->ScrollOffset(), 150);
    QVERIFY(list->TopArrowVisible());
    QVERIFY(!list->BottomArrowVisible());
    // The shown arrow bar covers the item beneath it; the hidden one leaves the item's colour.
    const QImage image = list->grab().toImage();
    QVERIFY(image.pixel(50, 5) != kItemColour);
    QCOMPARE(image.pixel(50, 195), kItemColour);
    QCOMPARE(list->IndexAt(QPoint(50, 5)), -1);

    list->resize(100, 400);
    QVERIFY(!list->TopArrowVisible());
    QVERIFY(!list->BottomArrowVisible());
  }

  void HeldArrowScrollsAtOnceThenAfter400AndEvery100Ms() {
    auto list = MakeList({70, 70, 70, 70, 70, 70, 70, 70});
    QElapsedTimer clock;
    clock.start();
    Press(list.get(), kOnBottomArrow);
    QCOMPARE(list->ScrollOffset(), 10);

    // Timers never fire early; a loaded machine can only make them late, so only lower bounds are
    // checked.
    QVERIFY(QTest::qWaitFor([&] { return list->ScrollOffset() >= 20; }, 3000));
    QVERIFY2(clock.elapsed() >= 395, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(list->ScrollOffset(), 20);
    clock.restart();
    QVERIFY(QTest::qWaitFor([&] { return list->ScrollOffset() >= 30; }, 3000));
    QVERIFY2(clock.elapsed() >= 95, qPrintable(QString::number(clock.elapsed())));

    // Leaving the arrow stops the scrolling, and coming back during the same press does not resume it.
    MoveHeld(list.get(), QPoint(50, 100));
    const int left = list->ScrollOffset();
    MoveHeld(list.get(), kOnBottomArrow);
    QTest::qWait(250);
    QCOMPARE(list->ScrollOffset(), left);
    Release(list.get(), kOnBottomArrow);

    // Releasing stops it as well.
    Press(list.get(), kOnBottomArrow);
    Release(list.get(), kOnBottomArrow);
    const int released = list->ScrollOffset();
    QCOMPARE(released, left + 10);
    QTest::qWait(450);
    QCOMPARE(list->ScrollOffset(), released);
  }

  void DraggingAnItemOntoAnotherMovesIt_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("reorder");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("selectedAfter");
    // "B" (index 1) is selected before every drag.
    QTest::newRow("down") << 0 << 2 << true << "BCAD" << 0;
    QTest::newRow("up") << 2 << 0 << true << "CABD" << 2;
    QTest::newRow("selected item") << 1 << 0 << true << "BACD" << 0;
    QTest::newRow("onto itself") << 1 << 1 << true << "ABCD" << 1;
    QTest::newRow("reordering off") << 0 << 2 << false << "ABCD" << 1;  // the default
  }

  void DraggingAnItemOntoAnotherMovesIt() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, reorder);
    QFETCH(QString, order);
    QFETCH(int, selectedAfter);
    auto list = MakeList({40, 40, 40, 40});
    list->SetDragReorder(reorder);
    list->SetSelectedIndex(1);
    QSignalSpy moves(list.get(), &TScrollerList::MoveListItem);
    QSignalSpy clicks(list.get(), &TScrollerList::Click);

    Press(list.get(), CentreOf(*list, from));
    MoveHeld(list.get(), CentreOf(*list, from) + QPoint(0, from < to ? 12 : -12));
    MoveHeld(list.get(), CentreOf(*list, to));
    Release(list.get(), CentreOf(*list, to));

    QCOMPARE(Texts(*list).join(QString()), order);
    QCOMPARE(list->SelectedIndex(), selectedAfter);
    QCOMPARE(clicks.count(), 0);
    if (order == "ABCD") {
      QCOMPARE(moves.count(), 0);
      return;
    }
    QCOMPARE(moves.count(), 1);
    QCOMPARE(moves[0][0].toInt(), from);
    QCOMPARE(moves[0][1].toInt(), to);
    QCOMPARE(list->ItemId(to), 10 + from);
  }

  void DraggingOntoAnArrowScrollsAndDropsWhereThePointerEnds() {
    auto list = MakeList({70, 70, 70, 70, 70});
    list->SetDragReorder(true);
    QSignalSpy moves(list.get(), &TScrollerList::MoveListItem);
    Press(list.get(), CentreOf(*list, 0));
    MoveHeld(list.get(), CentreOf(*list, 0) + QPoint(0, 20));
    MoveHeld(list.get(), kOnBottomArrow);
    QCOMPARE(list->ScrollOffset(), 10);
    // After the scroll, y = 175 lies in item 2 (content 185).
    MoveHeld(list.get(), QPoint(50, 175));
    QTest::qWait(450);
    QCOMPARE(list->ScrollOffset(), 10);
    Release(list.get(), QPoint(50, 175));
    QCOMPARE(moves.count(), 1);
    QCOMPARE(moves[0][1].toInt(), 2);
  }

  void SelectingFromCodeScrollsTheItemIntoView() {
    auto list = MakeList({70, 70, 70, 70, 70, 70});
    list->SetSelectedIndex(4);
    const QRect shown = list->ItemRect(4);
    QVERIFY(shown.top() >= 0);
    QVERIFY(shown.bottom() < list->height() - TScrollerList::kArrowHeight);

    list->SetSelectedIndex(1);
    QVERIFY(list->ItemRect(1).top() >= TScrollerList::kArrowHeight);
  }
};

}  // namespace wavora

int RunScrollerListTests(int argc, char** argv) {
  wavora::TScrollerListTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "scroller_list_test.moc"
