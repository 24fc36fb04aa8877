#include "ui/unsaved_changes.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "sim/resource_strings.h"
#include "widgets/qt_text.h"

namespace wavora {

TUnsavedChanges::TUnsavedChanges(QWidget& window) : window_(window) {
  QCoreApplication::instance()->installEventFilter(this);
}

void TUnsavedChanges::MatchesFile(const TSlideshow& document, const QString& fileName) {
  changes_.MarkUnchanged(document);
  fileName_ = fileName;
  userActed_ = false;
  ShowFileTitle(false);
}

void TUnsavedChanges::ChangeTankShape(TSlideshow& document, int32_t width, int32_t height) {
  changes_.LayOutUnchanged(document, [&] { document.SetTankSize(width, height); });
}

void TUnsavedChanges::ShowChangeMark(const TSlideshow& document) {
  if (!userActed_) return;
  userActed_ = false;
  ShowFileTitle(changes_.Changed(document));
}

bool TUnsavedChanges::MayGiveUp(const TSlideshow& document, IMessageSink& messages,
                                const std::function<bool()>& save) {
  const bool changed = changes_.Changed(document);
  ShowFileTitle(changed);
  if (!changed) return true;
  const QString name =
      fileName_.isEmpty() ? QtText(rs::Untitled) : QtText(SlideshowName(fileName_.toStdString()));
  switch (messages.AskToSave(QtText(rs::SaveChangesQuestion).arg(name))) {
    case TSaveAnswer::Save:
      return save();
    case TSaveAnswer::Discard:
      return true;
    case TSaveAnswer::Cancel:
      break;
  }
  return false;
}

bool TUnsavedChanges::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::Drop:
      userActed_ = true;
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void TUnsavedChanges::ShowFileTitle(bool changed) {
  QString title = QtText(FileTitle(fileName_.toStdString()));
  if (changed) title += QtText(rs::ChangedMark);
  if (window_.windowTitle() != title) window_.setWindowTitle(title);
}

}  // namespace wavora
