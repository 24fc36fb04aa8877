#include "image/snapshot_file.h"

#include "image/bmp_file.h"
#include "image/jpeg_file.h"
#include "model/property_text.h"

namespace wavora {

namespace {

bool IsBitmapName(const std::string& fileName) {
  return fileName.size() >= 4 && SameText(std::string_view(fileName).substr(fileName.size() - 4), ".bmp");
}

}  // namespace

bool CanSaveSnapshot(const std::string& fileName) {
  return IsBitmapName(fileName) || HasJpegWriter();
}

void SaveSnapshotFile(const TFastDIB& image, const std::string& fileName) {
  if (IsBitmapName(fileName)) {
    WriteBmpFile(image, fileName);
  } else {
    WriteJpegFile(image, fileName);
  }
}

}  // namespace wavora
