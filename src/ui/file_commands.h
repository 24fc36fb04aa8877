#pragma once

#include <QObject>
#include <functional>

#include "document/water_collection.h"
#include "ui/unsaved_changes.h"

class QAction;
class QMenu;

namespace wavora {

class IMessageSink;

// Opening and saving lessons: the slideshow menu's "Open", "Save" and "Examples" entries, the files
// named on the command line, and the guard that asks before unsaved changes are given up.
class TFileCommands : public QObject {
 public:
  struct TLinks {
    const TRef<TSlideshow>& document;  // the window's document
    IMessageSink& messages;
    // The window takes an opened slideshow as its document.
    std::function<void(const TRef<TSlideshow>&)> adopt;
  };
  // window: the parent of the dialogs, whose title shows the file and its change mark.
  TFileCommands(QWidget& window, TLinks links);

  // Adds "Open", "Save" and "Examples" to the slideshow menu.
  void AddMenuEntries(QMenu& menu);
  void ApplyCaptions();
  // "Save" needs a slide to save.
  void UpdateMenu();
  TUnsavedChanges& UnsavedChanges() { return unsavedChanges_; }

  // Opens the file as the new document; the message the opening brings is shown, and the document
  // stays when the file cannot be used. Returns whether the file became the document.
  bool OpenSlideshowFile(const QString& fileName);
  // Opens a shipped lesson as an untitled document, so saving asks for a name of its own and the
  // lesson itself is never overwritten.
  void OpenExample(const QString& fileName);
  // Writes the document; a failure is shown and changes nothing. Returns whether it was written.
  bool SaveSlideshowFile(const QString& fileName);
  // Asks whether to save unsaved changes before the document is given up (another slideshow opened,
  // the window closed). Returns whether the caller may go on: nothing to save, discarded, or saved.
  bool MayGiveUpDocument();

 private:
  void OpenSlideshow1Click();
  void SaveSlideshow1Click();
  // The lessons shipped in the examples folder, one entry each.
  void FillExamplesMenu();
  // Saves to the document's file, asking for a name when it has none; returns whether it was saved.
  bool SaveChanges();
  bool SaveSlideshowAs();

  QWidget& window_;
  TLinks links_;
  TUnsavedChanges unsavedChanges_;
  QAction* OpenSlideshow1 = nullptr;
  QAction* SaveSlideshow1 = nullptr;
  QMenu* Examples1 = nullptr;
};

}  // namespace wavora
