#pragma once

#include <vector>

#include "ui/message_sink.h"

namespace wavora {

struct TShownMessage {
  TMessageBox::TKind kind;
  QString text;
};

// Keeps the messages the window would have shown, so no box blocks a test.
class TMessageRecorder : public IMessageSink {
 public:
  explicit TMessageRecorder(std::vector<TShownMessage>& messages) : messages_(messages) {}
  void ShowMessage(TMessageBox::TKind kind, const QString& text) override {
    messages_.push_back({kind, text});
  }

 private:
  std::vector<TShownMessage>& messages_;
};

}  // namespace wavora
