#include "app/cli_record.h"

#include <ostream>

#include "app/cli_usage.h"
#include "document/slideshow_file.h"
#include "record/clip_file.h"
#include "record/clip_recording.h"
#include "record/worksheet.h"

namespace wavora {

struct TRunnerClip::TState {
  std::string fileName;
  int every;
  double fps;
  TClipRecording recording;
};

std::string ClipRefusal(const std::string& fileName) {
  if (ClipKindOf(fileName) != TClipKind::None) return {};
  return "cannot write \"" + fileName + "\": a clip is a .gif or a .webm file";
}

int TRunnerClip::MaxFrames() {
  return TClipRecording::kMaxFrames;
}

TRunnerClip::TRunnerClip(std::string fileName, int every, double fps, int width, int height)
    : state_(new TState{std::move(fileName), every, fps, {width, height}}) {}

TRunnerClip::~TRunnerClip() = default;

void TRunnerClip::Frame(long index, const TFastDIB& picture) {
  if (index % state_->every == 0) state_->recording.Add(picture);
}

bool TRunnerClip::Full() const {
  return state_->recording.Full();
}

void TRunnerClip::Write() const {
  WriteClipFile(state_->recording, state_->fileName, state_->fps, nullptr);
}

int Worksheet(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::vector<std::string> files;
  long frames = 300;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--frames") {
      if (i + 1 >= arguments.size()) throw TUsageError{"--frames needs a value"};
      frames =
          WholeNumber<long>(arguments[++i], 0, 100000, "--frames must be a whole number from 0 to 100000");
    } else if (arg.starts_with("-")) {
      throw TUsageError{"unknown option " + arg};
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) throw TUsageError{"worksheet needs a slideshow file and the PDF to write"};
  const TOpenedSlideshow opened = OpenSlideshowFile(files[0], 401, 401);
  if (!opened.message.text.empty()) err << opened.message.text << "\n";
  const TRef<TWaterCollection> lesson = RefCast<TWaterCollection>(opened.document);
  if (!lesson) return 1;
  WriteWorksheet(*lesson, files[1], frames, PaperOfLocale(), nullptr);
  out << "Wrote a worksheet of " << lesson->SlideCount() << " slide" << (lesson->SlideCount() == 1 ? "" : "s")
      << " after " << frames << " frames to " << files[1] << ".\n";
  return 0;
}

}  // namespace wavora
