#pragma once

#include <QStringList>
#include <vector>

#include "ui/message_sink.h"

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

}  // namespace wavora
