#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/clipboard_commands.h"
#include "ui/file_commands.h"
#include "ui/main_window.h"
#include "ui/message_sink.h"
#include "ui/slides_tab.h"
#include "ui/tools_tab.h"
#include "widgets/qt_text.h"

namespace wavora {

struct TShownMessage {
  TMessageBox::TKind kind;
  QString text;
};

// The questions whether to save that the window asked, and the answer a test gives to each.
struct TSaveQuestions {
  TSaveAnswer answer = TSaveAnswer::Cancel;
  QStringList asked;
};

// Keeps the messages the window would have shown, so no box blocks a test; without questions to
// record, it answers Cancel.
class TMessageRecorder : public IMessageSink {
 public:
  explicit TMessageRecorder(std::vector<TShownMessage>& messages, TSaveQuestions* questions = nullptr)
      : messages_(messages), questions_(questions) {}
  void ShowMessage(TMessageBox::TKind kind, const QString& text) override {
    messages_.push_back({kind, text});
  }
  TSaveAnswer AskToSave(const QString& question) override {
    if (!questions_) return TSaveAnswer::Cancel;
    questions_->asked << question;
    return questions_->answer;
  }

 private:
  std::vector<TShownMessage>& messages_;
  TSaveQuestions* questions_;  // not owned
};

// The program's window as a user starts it without a file, keeping the messages it shows and the
// questions it asks. The test classes call Start from their init slot.
class TWindowFixture : public QObject {
 protected:
  std::vector<TShownMessage> messages_;
  TSaveQuestions questions_;
  std::unique_ptr<TMainForm> window_;

  void Start() {
    messages_.clear();
    questions_ = {};
    window_ = std::make_unique<TMainForm>(QStringList(),
                                          std::make_unique<TMessageRecorder>(messages_, &questions_));
    window_->show();
  }
  // The window's control of that object name.
  template <class T>
  T* Control(const char* name) const {
    return window_->findChild<T*>(QLatin1String(name));
  }
  void Click(const char* button) const { QTest::mouseClick(Control<QWidget>(button), Qt::LeftButton); }
  // Frames run here rather than from the timer, so a slow machine makes the same waves.
  void RunFrames(int count) const {
    for (int i = 0; i < count; ++i)
      window_->RunFrame();
  }
  // Chooses the entry of the experiment menu with that type name for the current slide.
  void ChooseExperiment(std::string_view typeName) const {
    for (QAction* entry : Control<QMenu>("ExperimentMenu")->actions()) {
      if (entry->text() == QStringLiteral("  ") + QtText(typeName)) return entry->trigger();
    }
    QFAIL("no such experiment");
  }
};

}  // namespace wavora
