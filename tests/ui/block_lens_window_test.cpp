#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "../widgets/mouse.h"
#include "media/block_mapper.h"
#include "media/lens_mapper.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "widgets/custom_speed_button.h"

namespace wavora {

namespace {

// Fails the test on any message the window would have shown.
class TNoMessages : public IMessageSink {
 public:
  void ShowMessage(TMessageBox::TKind, const QString& text) override { QFAIL(qPrintable(text)); }
};

}  // namespace

// The block and the lens in the real window: chosen from the experiment menu, dragged by a handle on
// the tank display, set on the panel, saved and opened again.
class TBlockLensWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> window_;
  QTemporaryDir folder_;

  QWidget* Box() const { return window_->findChild<QWidget*>(QStringLiteral("Box")); }
  void Choose(const QString& experiment) const {
    for (QAction* entry : window_->findChild<QMenu*>(QStringLiteral("ExperimentMenu"))->actions()) {
      if (entry->text() == QStringLiteral("  ") + experiment) return entry->trigger();
    }
    QFAIL(qPrintable("no experiment " + experiment));
  }
  void Drag(QPoint from, QPoint to) const {
    Press(Box(), from);
    MoveHeld(Box(), (from + to) / 2);
    MoveHeld(Box(), to);
    Release(Box(), to);
  }
  template <class T>
  TRef<T> Medium(const TMainForm& window) const {
    return RefCast<T>(window.GetCurrentWater()->GetRIMap());
  }
  // The window started on the file the current one saves.
  std::unique_ptr<TMainForm> SavedAndReopened() const {
    const QString fileName = folder_.filePath(QStringLiteral("experiment.wvr"));
    if (!window_->Files().SaveSlideshowFile(fileName)) return nullptr;
    return std::make_unique<TMainForm>(QStringList({fileName}), std::make_unique<TNoMessages>());
  }

 private slots:
  void init() {
    window_ = std::make_unique<TMainForm>(QStringList(), std::make_unique<TNoMessages>());
    window_->show();
  }
  void cleanup() { window_.reset(); }

  void TheBlockTurnsByItsHandleAndStaysTurnedInTheFile() {
    Choose(QStringLiteral("Block"));
    const TRef<TBlockRIMapper> block = Medium<TBlockRIMapper>(*window_);
    QVERIFY(block);
    QVERIFY(window_->findChild<QWidget*>(QStringLiteral("TRefractiveIndexCP")));
    // The right handle at grid (280, 200), pulled to 50 cells straight above the centre.
    Drag(QPoint(280, 401 - 200), QPoint(200, 150));
    QCOMPARE(block->GetCs(), 0.0f);
    QCOMPARE(block->GetSn(), 1.0f);
    QCOMPARE(block->WidthCells(), 100);
    QCOMPARE(window_->GetCurrentWater()->SpeedFactorAt(200, 200 - 49), 0.2727f);

    const auto reopened = SavedAndReopened();
    QVERIFY(reopened);
    const TRef<TBlockRIMapper> loaded = Medium<TBlockRIMapper>(*reopened);
    QVERIFY(loaded);
    QCOMPARE(loaded->GetCs(), 0.0f);
    QCOMPARE(loaded->WidthCells(), 100);
  }

  void TheLensTakesItsTypeFromThePanelAndItsFocusFromTheHandle() {
    Choose(QStringLiteral("Lenses"));
    const TRef<TLensMapper> lens = Medium<TLensMapper>(*window_);
    QVERIFY(lens);
    QCOMPARE(QString::fromStdString(window_->GetCurrentWater()->GetName()), QStringLiteral("Lenses"));
    auto* concave = window_->findChild<TCustomSpeedButton*>(QStringLiteral("Type1"));
    QVERIFY(concave);
    QTest::mouseClick(concave, Qt::LeftButton);
    QCOMPARE(lens->GetLensType(), 1);
    QVERIFY(concave->Down());
    QVERIFY(!window_->findChild<TCustomSpeedButton*>(QStringLiteral("Type0"))->Down());
    // The focus handle at grid (333, 200) drawn to column 250: F = 250 - 133.
    Drag(QPoint(333, 400 - 200), QPoint(250, 90));
    QCOMPARE(lens->FocalLength(), 117);

    const auto reopened = SavedAndReopened();
    QVERIFY(reopened);
    const TRef<TLensMapper> loaded = Medium<TLensMapper>(*reopened);
    QVERIFY(loaded);
    QCOMPARE(loaded->GetLensType(), 1);
    QCOMPARE(loaded->FocalLength(), 117);
    QVERIFY(reopened->findChild<TCustomSpeedButton*>(QStringLiteral("Type1"))->Down());
  }
};

int RunBlockLensWindowTests(int argc, char** argv) {
  TBlockLensWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "block_lens_window_test.moc"
