#pragma once

#include <string>

namespace wavora {

class TFastDIB;

// Whether this build can save a picture under the name: as BMP always, as JPEG where the build has
// the JPEG writer (HasJpegWriter).
bool CanSaveSnapshot(const std::string& fileName);

// Saves a picture under the chosen name: as BMP when the name ends in ".bmp" (any case), otherwise as
// JPEG at quality 98. Raises an error naming the file and the reason; the previous file survives.
void SaveSnapshotFile(const TFastDIB& image, const std::string& fileName);

}  // namespace wavora
