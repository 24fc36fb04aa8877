#include "ui/clip_commands.h"

#include "record/clip_file.h"
#include "record/clip_recording.h"
#include "sim/frame_loop.h"
#include "sim/resource_strings.h"
#include "ui/file_dialogs.h"
#include "ui/message_sink.h"
#include "ui/progress_run.h"
#include "ui/window_frames.h"
#include "widgets/custom_speed_button.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

// A frame every 16 ms: 62.5 frames a second, which a GIF plays at 50.
constexpr double kWindowFrameRate = 1000.0 / TFrameLoop::kTimerIntervalMs;

}  // namespace

TClipCommands::TClipCommands(QWidget& window, QWidget& panel, TLinks links)
    : QObject(&window), window_(window), links_(links) {
  // Beside the "Controls" caption, left of where the debug button shows: a small glyph fits there.
  RecordButton =
      SpeedButton(&panel, "RecordButton", QRect(70, 3, 76, 24), WavoraIcon(TIcon::Record), rs::RecordHint, 6);
  RecordButton->setIconSize(QSize(16, 16));
  connect(RecordButton, &QAbstractButton::clicked, this, [this] {
    if (RecordButton->Down()) {
      Start();
    } else {
      StopAndSave();
    }
  });
}

TClipCommands::~TClipCommands() = default;

void TClipCommands::ApplyCaptions() {
  if (!recording_) RecordButton->SetCaption(QtText(rs::Record));
}

void TClipCommands::Start() {
  try {
    recording_ = std::make_unique<TClipRecording>(links_.tankImage.Width(), links_.tankImage.Height());
  } catch (const std::exception& e) {
    RecordButton->SetDown(false);
    links_.messages.ShowMessage(TMessageBox::mbError, QtText(rs::CouldNotRecord) + QStringLiteral("\n\n") +
                                                          QString::fromUtf8(e.what()));
    return;
  }
  RecordButton->SetHint(QtText(rs::StopRecordingHint));
  shownSeconds_ = -1;
  ShowLength();
}

void TClipCommands::ShowLength() {
  const int seconds = static_cast<int>(recording_->FrameCount() / kWindowFrameRate);
  if (seconds == shownSeconds_) return;
  shownSeconds_ = seconds;
  RecordButton->SetCaption(
      QStringLiteral("\u25A0 %1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
}

void TClipCommands::FollowFrame() {
  if (!recording_) return;
  bool kept = false;
  try {
    kept = recording_->Add(links_.tankImage);
  } catch (const std::exception& e) {
    recording_.reset();
    RecordButton->SetDown(false);
    ApplyCaptions();
    RecordButton->SetHint(QtText(rs::RecordHint));
    links_.messages.ShowMessage(TMessageBox::mbError, QtText(rs::CouldNotRecord) + QStringLiteral("\n\n") +
                                                          QString::fromUtf8(e.what()));
    return;
  }
  if (kept) {
    ShowLength();
  } else {
    Finish(true);
  }
}

void TClipCommands::StopAndSave() {
  Finish(false);
}

void TClipCommands::Finish(bool full) {
  if (!recording_) return;
  // The recording leaves the button first, so frames that run while the dialogs are open add nothing.
  const std::unique_ptr<TClipRecording> recording = std::move(recording_);
  RecordButton->SetDown(false);
  ApplyCaptions();
  RecordButton->SetHint(QtText(rs::RecordHint));
  if (full) links_.messages.ShowMessage(TMessageBox::mbInformation, QtText(rs::RecordingFull));
  if (recording->FrameCount() == 0) return;
  const QString fileName = AskSaveFileName(&window_, rs::ClipDialogTitle, rs::ClipFilter, rs::ClipExtension);
  if (fileName.isEmpty()) return;
  RunWithProgress(window_, rs::WritingClip, rs::CouldNotSaveClip, links_.messages,
                  [&](const TProgress& progress) {
                    WriteClipFile(*recording, LocalPath(fileName), kWindowFrameRate, progress);
                  });
}

}  // namespace wavora
