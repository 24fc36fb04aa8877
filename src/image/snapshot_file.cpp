#include "image/snapshot_file.h"

#include "image/bmp_file.h"
#include "image/jpeg_file.h"
#include "model/property_text.h"

namespace wavora {

void SaveSnapshotFile(const TFastDIB& image, const std::string& fileName) {
  const bool bitmap =
      fileName.size() >= 4 && SameText(std::string_view(fileName).substr(fileName.size() - 4), ".bmp");
  if (bitmap) {
    WriteBmpFile(image, fileName);
  } else {
    WriteJpegFile(image, fileName);
  }
}

}  // namespace wavora
