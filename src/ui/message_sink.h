#pragma once

#include <QString>

#include "document/slideshow_file.h"

class QWidget;

namespace wavora {

// The answers to "Save changes to ...?".
enum class TSaveAnswer { Save, Discard, Cancel };

// Where the window's message boxes and questions go: on screen normally, to a recorder in tests.
class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  virtual void ShowMessage(TMessageBox::TKind kind, const QString& text) = 0;
  // A sink that cannot ask keeps the document as it is.
  virtual TSaveAnswer AskToSave(const QString& /*question*/) { return TSaveAnswer::Cancel; }
};

// Shows each message as a modal box with one OK button and the icon of its kind.
class TMessageBoxSink : public IMessageSink {
 public:
  explicit TMessageBoxSink(QWidget* parent) : parent_(parent) {}
  void ShowMessage(TMessageBox::TKind kind, const QString& text) override;
  // A question box with Save, Discard and Cancel; closing it cancels.
  TSaveAnswer AskToSave(const QString& question) override;

 private:
  QWidget* parent_;  // not owned
};

}  // namespace wavora
