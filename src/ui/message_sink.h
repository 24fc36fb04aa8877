#pragma once

#include <QString>

#include "document/slideshow_file.h"

class QWidget;

namespace wavora {

// Where the window's message boxes go: on screen normally, to a recorder in tests.
class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  virtual void ShowMessage(TMessageBox::TKind kind, const QString& text) = 0;
};

// Shows each message as a modal box with one OK button and the icon of its kind.
class TMessageBoxSink : public IMessageSink {
 public:
  explicit TMessageBoxSink(QWidget* parent) : parent_(parent) {}
  void ShowMessage(TMessageBox::TKind kind, const QString& text) override;

 private:
  QWidget* parent_;  // not owned
};

}  // namespace wavora
