#include "record/clip_file.h"

#include "model/property_text.h"
#include "record/gif_clip.h"
#include "record/video_clip.h"

namespace wavora {

namespace {

bool EndsWith(const std::string& fileName, std::string_view extension) {
  return fileName.size() > extension.size() &&
         SameText(std::string_view(fileName).substr(fileName.size() - extension.size()), extension);
}

}  // namespace

TClipKind ClipKindOf(const std::string& fileName) {
  if (EndsWith(fileName, ".gif")) return TClipKind::Gif;
  if (EndsWith(fileName, ".webm")) return TClipKind::WebM;
  return TClipKind::None;
}

void WriteClipFile(TClipRecording& recording, const std::string& fileName, double fps,
                   const TProgress& progress) {
  if (ClipKindOf(fileName) == TClipKind::WebM) {
    WriteVideoClip(recording, fileName, fps, progress);
  } else {
    WriteGifClip(recording, fileName, fps, progress);
  }
}

}  // namespace wavora
