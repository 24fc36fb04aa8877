#pragma once

#include <string>

#include "record/progress.h"

namespace wavora {

class TClipRecording;

// The kinds of clip file, by the name's extension (any case): an animated GIF or a WebM video.
enum class TClipKind { None, Gif, WebM };
TClipKind ClipKindOf(const std::string& fileName);

// Writes the recording as the clip its name asks for, played at fps frames a second (see
// WriteGifClip and WriteVideoClip): a video for a ".webm" name, else an animated GIF.
void WriteClipFile(TClipRecording& recording, const std::string& fileName, double fps,
                   const TProgress& progress);

}  // namespace wavora
