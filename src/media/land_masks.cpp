#include "media/land_masks.h"

#include <string>

#include "image/bmp_file.h"

namespace wavora {

// Defined by the sources that the build generates from assets/maps/*.bmp.
std::string_view IndianOceanBmpFile();
std::string_view AtlanticBmpFile();

namespace {

using TFileBytes = std::string_view (*)();
constexpr TFileBytes kMaskFiles[kLandMaskCount] = {IndianOceanBmpFile, AtlanticBmpFile};

}  // namespace

std::string_view LandMaskFile(int mapIndex) {
  if (mapIndex < 0 || mapIndex >= kLandMaskCount) return {};
  return kMaskFiles[mapIndex]();
}

TFastDIB LandMask(int mapIndex) {
  const std::string_view file = LandMaskFile(mapIndex);
  if (file.empty()) return {};
  return DecodeBmp(file, "land mask " + std::to_string(mapIndex));
}

}  // namespace wavora
