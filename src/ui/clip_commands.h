#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace wavora {

class IMessageSink;
class TClipRecording;
class TCustomSpeedButton;
class TFastDIB;

// The Record button: while it is down every frame's tank picture is recorded and the button shows the
// recording's length; raising it (or the recording reaching its bound of 10 minutes) asks where to
// save the clip, as an animated GIF or a WebM video playing at the window's frame rate, and writes it
// under a progress bar that can cancel it. A clip not saved is gone.
class TClipCommands : public QObject {
 public:
  struct TLinks {
    const TFastDIB& tankImage;  // the running tank's picture
    IMessageSink& messages;
  };
  // window: the parent of the dialogs; panel: where the button goes.
  TClipCommands(QWidget& window, QWidget& panel, TLinks links);
  ~TClipCommands() override;

  void ApplyCaptions();
  bool Recording() const { return bool(recording_); }
  // After each frame: records the tank picture while recording.
  void FollowFrame();
  // Ends the recording, if there is one, and asks where to save it.
  void StopAndSave();

 private:
  void Start();
  void ShowLength();
  // Takes the recording off the button and asks where to save it; full: after saying it is full.
  void Finish(bool full);

  QWidget& window_;
  TLinks links_;
  TCustomSpeedButton* RecordButton = nullptr;
  std::unique_ptr<TClipRecording> recording_;
  int shownSeconds_ = -1;
};

}  // namespace wavora
