#pragma once

#include <string>

#include "record/progress.h"

namespace wavora {

class TClipRecording;

// Writes the recording as a WebM video (VP8) at fps frames a second, its colours converted to the
// video's 4:2:0 form at a quality at which the tank's waves keep their levels. Replaces the file only
// when complete; raises TFileError or std::runtime_error naming the file and the reason, or
// TCancelled, and then leaves no file behind.
void WriteVideoClip(TClipRecording& recording, const std::string& fileName, double fps,
                    const TProgress& progress);

}  // namespace wavora
