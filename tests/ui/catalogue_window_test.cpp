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
    QVERIFY(!panels[0]->isVisible() && panels[1]->isVisible());
    QVERIFY(!Control<QWidget>("InfoControlPanel")->isVisible());
  }

  // Snap and delete act on the selected object; the source cannot be deleted, and deleting the
  // experiment turns the slide back into an empty tank.
  void DeleteAndSnapFollowTheSelectedObject() {
    AddTool(test::TTestRuler::StaticClassInfo());
    window_->RunFrame();
    auto* remove = Control<TCustomSpeedButton>("DeleteObjectBtn");
    const TRef<TBaseControl> ruler = RefCast<TBaseControl>(
        window_->GetCurrentWater()->GetChildren(window_->GetCurrentWater()->GetChildCount() - 1));
    QTest::mouseClick(Control<TCustomSpeedButton>("SnapToGrid"), Qt::LeftButton);
    QVERIFY(!ruler->GetSnapToGrid());
    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Empty Tank"}));

    objects_->SetSelectedIndex(0);
    window_->Tools().ObjectListClick();
    window_->RunFrame();
    QVERIFY(!remove->isEnabled());
    ChooseExperiment("Test Lens");
    QCOMPARE(ItemTexts(), (QStringList{"Beam Source", "Test Lens"}));
    window_->Tools().DeleteToolBtnClick();
    QCOMPARE(QtText(window_->Document().SlideName(0)), QStringLiteral("Empty Tank"));
  }

  // A copied slide pastes as the last one; Paste is offered only for the slide format, and an
  // unusable slide in that format gives its messages in order. Cut copies and deletes, never the last
  // slide.
  void CopyPasteAndCutOfSlides() {
    auto* paste = Control<QAction>("Paste1");
    window_->GetCurrentWater()->SetName("Ripples");
    window_->Clipboard().Copy1Click();
    QVERIFY(paste->isEnabled());
    const int32_t active = window_->Document().ActiveID;
    window_->Clipboard().Paste1Click();
    QCOMPARE(QtText(window_->Document().SlideName(1)), QStringLiteral("Ripples"));
    QCOMPARE(window_->Document().ActiveID, active);

    QGuiApplication::clipboard()->setText(QStringLiteral("<TWater />"));
    QVERIFY(!paste->isEnabled());
    window_->Clipboard().Paste1Click();
    QVERIFY(messages_.empty());
    auto* data = new QMimeData;
    data->setData(QtText(kSlideClipboardFormat), QByteArray("<TWater Name=\"cut"));
    QGuiApplication::clipboard()->setMimeData(data);
    window_->Clipboard().Paste1Click();
    QCOMPARE(MessageTexts(),
             (QStringList{QtText(rs::ClipboardCorrupted), QtText(rs::NoExperimentOnClipboard)}));
    QCOMPARE(window_->Document().SlideCount(), 2);

    window_->GetCurrentWater()->SetName("Second");
    window_->Clipboard().Cut1Click();
    QCOMPARE(window_->Document().SlideCount(), 1);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Name=\"Second\"")));
    QGuiApplication::clipboard()->setText(QStringLiteral("words"));
    window_->Clipboard().Cut1Click();
    QCOMPARE(window_->Document().SlideCount(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("words"));
    QVERIFY(!Control<QAction>("Cut1")->isEnabled());
  }
};

int RunCatalogueWindowTests(int argc, char** argv) {
  TCatalogueWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace wavora

#include "catalogue_window_test.moc"
