#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "document/lesson_changes.h"
#include "ui/message_sink.h"

class QWidget;

namespace wavora {

class TSlideshow;

// The window's record of the file its document came from and of the changes since: the title shows
// both ("Wavora - lesson*"), and before the document is given up the user is asked whether to save.
// Comparing a large slideshow takes a while, so the title's mark is worked out again only after the
// user has pressed, typed or scrolled; the question always compares afresh.
class TUnsavedChanges : public QObject {
 public:
  // window: whose title shows the file and the mark; it holds this guard.
  explicit TUnsavedChanges(QWidget& window);

  // The document now matches the file (opened or saved; an empty name: a new, untitled document).
  void MatchesFile(const TSlideshow& document, const QString& fileName);
  const QString& FileName() const { return fileName_; }
  // Lays the document out on another tank shape, which is no change to the lesson.
  void ChangeTankShape(TSlideshow& document, int32_t width, int32_t height);
  // Brings the title's mark up to date if the user acted since the last look; the window calls it
  // once a frame.
  void ShowChangeMark(const TSlideshow& document);
  // Whether the document may be given up: it is unchanged, or the user chose to discard the changes,
  // or chose to save them and save (which asks for a name when the document has none) succeeded.
  bool MayGiveUp(const TSlideshow& document, IMessageSink& messages, const std::function<bool()>& save);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowFileTitle(bool changed);

  QWidget& window_;
  TLessonChanges changes_;
  QString fileName_;
  bool userActed_ = false;
};

}  // namespace wavora
