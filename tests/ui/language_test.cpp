#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>

#include "document/class_registration.h"
#include "sim/class_list.h"
#include "sim/resource_strings.h"
#include "sim/tool_class_list.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/tools_tab.h"
#include "widgets/picture_button.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

// The visible controls of the window whose caption does not fit (a caption cut short says nothing),
// named with the caption.
QStringList CutCaptions(const QWidget& window) {
  QStringList cut;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (!control->isVisibleTo(&window)) continue;
    const QFontMetrics metrics = control->fontMetrics();
    bool fits = true;
    QString caption;
    if (const auto* button = qobject_cast<const TPictureButton*>(control)) {
      caption = button->text();
      fits = metrics.horizontalAdvance(caption) <= button->ContentRect().width();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
      caption = button->text();
      fits = caption.isEmpty() || button->sizeHint().width() <= button->width();
    } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
      caption = label->text();
      const QRect room = label->contentsRect();
      fits = label->wordWrap() ? label->heightForWidth(room.width()) <= room.height()
                               : metrics.horizontalAdvance(caption) <= room.width();
    }
    if (!fits) cut << control->objectName() + QStringLiteral(": ") + caption;
  }
  for (const QMenu* menu : window.findChildren<QMenu*>()) {
    if (menu->sizeHint().width() > TMainForm::kClientWidth)
      cut << menu->objectName() + QStringLiteral(" is wider than the window");
  }
  return cut;
}

}  // namespace

class TLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);  // the language chosen goes to a settings file of the tests
    RegisterClasses();
  }
  void cleanup() { SpeakLanguage(QStringLiteral("en")); }

  // Every caption of the window, of each medium's and source's panels and of each tool's panel shows
  // whole in each language.
  void captionsFitTheirControls_data() {
    QTest::addColumn<QString>("code");
    for (const TLanguage& language : Languages())
      QTest::newRow(qPrintable(language.name)) << language.code;
  }
  void captionsFitTheirControls() {
    QFETCH(QString, code);
    SpeakLanguage(code);
    TMainForm window({});
    window.show();
    QStringList cut = CutCaptions(window);
    for (QAction* experiment : window.findChild<QMenu*>(QStringLiteral("ExperimentMenu"))->actions()) {
      experiment->trigger();
      for (int tool = 0; tool < ToolCount(); ++tool) {
        window.Tools().AddToolFromMenu(tool);
        window.RunFrame();
        cut << CutCaptions(window);
      }
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
  }

  // A language speaks its own words, with English where it has none; an unknown one speaks English.
  void missingTranslationsFallBackToEnglish() {
    SpeakLanguage(QStringLiteral("de"));
    QCOMPARE(SpokenLanguage(), QStringLiteral("de"));
    QVERIFY(std::string_view(rs::Controls) != rs::Controls.english);
    QCOMPARE(TranslatedText("Not in the table"), std::string_view("Not in the table"));
    QCOMPARE(ReadoutNumber(1.25, 2), std::string("1,25"));
    SpeakLanguage(QStringLiteral("xx"));
    QCOMPARE(SpokenLanguage(), QStringLiteral("en"));
    QCOMPARE(std::string_view(rs::Controls), std::string_view("Controls"));
    QCOMPARE(ReadoutNumber(1.25, 2), std::string("1.25"));
  }

  // Choosing a language in the menu re-captions the open window and is remembered for the next run.
  void choosingALanguageReCaptionsTheWindow() {
    TMainForm window({});
    window.findChild<QMenu*>(QStringLiteral("Language1"))->actions().at(1)->trigger();
    QCOMPARE(StartingLanguage(), QStringLiteral("de"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("ControlsLabel"))->text(), QtText(rs::Controls));
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("ControlsLabel"))->text() != QStringLiteral("Controls"));
    window.Speak(QStringLiteral("en"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("ControlsLabel"))->text(), QStringLiteral("Controls"));
  }
};

}  // namespace wavora

QTEST_MAIN(wavora::TLanguageTest)
#include "language_test.moc"
