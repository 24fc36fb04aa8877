#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "../document/catalogue_test_objects.h"
#include "document/slide_clipboard.h"
#include "sim/resource_strings.h"
#include "sim/tool_class_list.h"
#include "ui/tool_panel_view.h"
#include "widgets/custom_speed_button.h"
#include "widgets/scroller_list.h"
#include "window_fixture.h"

namespace wavora {

class TCatalogueWindowTest : public TWindowFixture {
  Q_OBJECT

 private:
  TScrollerList* objects_ = nullptr;

  void AddTool(const TClassInfo& toolClass) {
    window_->Tools().AddToolFromMenu(test::ToolIndexOf(toolClass));
  }
  QStringList ItemTexts() const {
    QStringList texts;
    for (int i = 0; i < objects_->Count(); ++i)
      texts << objects_->ItemText(i);
    return texts;
  }
  QStringList MessageTexts() const {
    QStringList texts;
    for (const TShownMessage& message : messages_)
      texts << message.text;
    return texts;
  }

 private slots:
  void initTestCase() { test::RegisterCatalogueTestClasses(); }
  void init() {
    Start();
    objects_ = Control<TScrollerList>("ObjectList");
  }
  void cleanup() { window_.reset(); }

  void ToolMenuOffersEveryToolAndPanelToolsGetPanelItems() {
    window_->Tools().ToolBoxButtonClick();
    auto* menu = Control<QMenu>("PopupMenu3");
    QCOMPARE(menu->actions().size(), ToolCount());
    for (int i = 0; i < ToolCount(); ++i)
      QCOMPARE(menu->actions()[i]->text(), QStringLiteral("New ") + QtText(ToolClass(i)->TypeName()));
    menu->actions()[test::ToolIndexOf(test::TTestMeter::StaticClassInfo())]->trigger();
    menu->close();
    AddTool(test::TTestMeter::StaticClassInfo());
    window_->RunFrame();

    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Empty Tank", "Test Meter", "Test Meter"}));
    QCOMPARE(objects_->ItemHeightAt(1), 32);
    QCOMPARE(objects_->ItemHeightAt(2), 75);
    QCOMPARE(objects_->SelectedIndex(), 3);
    const QList<TToolPanelView*> panels =
        Control<QWidget>("ToolControlPanel")->findChildren<TToolPanelView*>();
    QCOMPARE(panels.size(), 2);
    QCOMPARE(panels[0]->isVisible(), false);
    QCOMPARE(panels[1]->isVisible(), true);
    QVERIFY(!Control<QWidget>("InfoControlPanel")->isVisible());
  }

  void DeleteAndSnapFollowTheSelectedObject() {
    AddTool(test::TTestRuler::StaticClassInfo());
    window_->RunFrame();
    auto* snap = Control<TCustomSpeedButton>("SnapToGrid");
    auto* remove = Control<TCustomSpeedButton>("DeleteObjectBtn");
    QVERIFY(snap->isEnabled() && snap->Down() && remove->isEnabled());
    const TRef<TBaseControl> ruler = RefCast<TBaseControl>(
        window_->GetCurrentWater()->GetChildren(window_->GetCurrentWater()->GetChildCount() - 1));
    QTest::mouseClick(snap, Qt::LeftButton);
    QVERIFY(!ruler->GetSnapToGrid());
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Empty Tank"}));

    // The source is selected from its item; it cannot be deleted.
    objects_->SetSelectedIndex(0);
    window_->Tools().ObjectListClick();
    window_->RunFrame();
    QVERIFY(!remove->isEnabled());
    window_->Tools().DeleteToolBtnClick();
    QCOMPARE(objects_->Count(), 2);

    // Deleting the chosen experiment turns the slide back into an empty tank.
    ChooseExperiment("Test Lens");
    QCOMPARE(QtText(window_->Document().SlideName(0)), QStringLiteral("Test Lens"));
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Test Lens"}));
    window_->Tools().DeleteToolBtnClick();
    QCOMPARE(QtText(window_->Document().SlideName(0)), QStringLiteral("Empty Tank"));
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Empty Tank"}));
  }

  void CopiedSlidePastesAsTheLastSlideAndThePasteEntryFollowsTheClipboard() {
    auto* paste = Control<QAction>("Paste1");
    window_->GetCurrentWater()->SetName("Ripples");
    window_->Clipboard().Copy1Click();
    QVERIFY(paste->isEnabled());
    const int32_t active = window_->Document().ActiveID;
    window_->Clipboard().Paste1Click();
    QCOMPARE(window_->Document().SlideCount(), 2);
    QCOMPARE(QtText(window_->Document().SlideName(1)), QStringLiteral("Ripples"));
    QCOMPARE(window_->Document().ActiveID, active);

    QGuiApplication::clipboard()->setText(QStringLiteral("<TWater />"));
    QVERIFY(!paste->isEnabled());
    window_->Clipboard().Paste1Click();
    QCOMPARE(window_->Document().SlideCount(), 2);
    QVERIFY(messages_.empty());

    // An unusable slide in the slide format gives its messages in order.
    auto* data = new QMimeData;
    data->setData(QtText(kSlideClipboardFormat), QByteArray("<TWater Name=\"cut"));
    QGuiApplication::clipboard()->setMimeData(data);
    window_->Clipboard().Paste1Click();
    QCOMPARE(MessageTexts(),
             (QStringList{QtText(rs::ClipboardCorrupted), QtText(rs::NoExperimentOnClipboard)}));
    QCOMPARE(window_->Document().SlideCount(), 2);
  }

  void CutCopiesTheSlideAndDeletesItButNeverTheLastOne() {
    auto* cut = Control<QAction>("Cut1");
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    window_->Clipboard().Cut1Click();
    QCOMPARE(window_->Document().SlideCount(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("words"));

    window_->Slides().NewSlideBtnClick();
    window_->GetCurrentWater()->SetName("Second");
    QVERIFY(cut->isEnabled());
    window_->Clipboard().Cut1Click();
    QCOMPARE(window_->Document().SlideCount(), 1);
    QVERIFY(!cut->isEnabled());
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Name=\"Second\"")));
  }

  void ObjectItemMenuHoldsTheEntriesItsObjectOffers() {
    AddTool(test::TTestMeter::StaticClassInfo());
    auto* menu = Control<QMenu>("ObjectMenu");
    emit objects_->customContextMenuRequested(objects_->ItemRect(0).center());
    QVERIFY(!menu->isVisible());  // the source offers nothing
    emit objects_->customContextMenuRequested(objects_->ItemRect(2).center());
    QCOMPARE(menu->actions().size(), 1);
    menu->actions()[0]->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("step,level\n1,0.5\n"));
  }
};

int RunCatalogueWindowTests(int argc, char** argv) {
  TCatalogueWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "catalogue_window_test.moc"
