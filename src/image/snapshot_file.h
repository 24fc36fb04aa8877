#pragma once

#include <string>

namespace wavora {

class TFastDIB;

// Saves a picture under the chosen name: as BMP when the name ends in ".bmp" (any case), otherwise as
// JPEG at quality 98. Raises an error naming the file and the reason; the previous file survives.
void SaveSnapshotFile(const TFastDIB& image, const std::string& fileName);

}  // namespace wavora
