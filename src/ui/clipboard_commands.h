#pragma once

#include <QObject>
#include <functional>

#include "document/water_collection.h"

class QAction;
class QMenu;

namespace wavora {

class IMessageSink;
class TFastDIB;

// What goes through the clipboard and out as a picture: slides cut, copied and pasted (in the slide
// format, with the slide's text as plain text beside it) and snapshots of the tank.
class TClipboardCommands : public QObject {
 public:
  struct TLinks {
    const TRef<TSlideshow>& document;  // the window's document
    const TFastDIB& tankImage;         // the running tank's picture
    IMessageSink& messages;
    std::function<void()> pasted;       // a slide was pasted: the window lists and shows it
    std::function<void()> removeSlide;  // takes the current slide out of the document
  };
  // window: the parent of the dialogs; it carries the entries' shortcuts.
  TClipboardCommands(QWidget& window, TLinks links);

  // Adds "Cut Slide", "Copy Slide" and "Paste Slide" to the slideshow menu.
  void AddMenuEntries(QMenu& menu);
  void ApplyCaptions();
  // The entries follow the document (cutting, like deleting, leaves one slide) and the clipboard.
  void UpdateMenu();

  void Copy1Click();
  void Paste1Click();
  void Cut1Click();
  // The tank picture onto the clipboard, or into a picture file the user names.
  void CopySnapshot();
  void SaveSnapshot();

 private:
  QWidget& window_;
  TLinks links_;
  QAction* Cut1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* Paste1 = nullptr;
};

}  // namespace wavora
