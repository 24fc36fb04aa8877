#pragma once

#include <string>

#include "record/progress.h"

namespace wavora {

class TClipRecording;

// The delay a GIF stores for each frame of a clip played at fps frames a second: the nearest whole
// number of hundredths of a second, and 2 at the least, since players show shorter delays as 10.
int GifDelay(double fps);

// Writes the recording as an animated GIF that loops for ever, every frame full size with the clip's
// one palette (TGifPalette). Reads the recording twice: once to fit the palette, once to write.
// Replaces the file only when complete; raises TFileError or std::runtime_error naming the file and
// the reason, or TCancelled, and then leaves no file behind.
void WriteGifClip(TClipRecording& recording, const std::string& fileName, double fps,
                  const TProgress& progress);

}  // namespace wavora
