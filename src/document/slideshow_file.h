#pragma once

#include <string>

#include "model/node.h"

namespace wavora {

// A message box the window must show, with its kind and exact text.
struct TMessageBox {
  enum TKind { mbNone, mbInformation, mbWarning, mbError };
  TKind kind = mbNone;
  std::string text;
};

// The outcome of opening a slideshow file: the new document (none when the file could not be used;
// the open document then stays) and the message box to show, if any. A newer file can come with
// both.
struct TOpenedSlideshow {
  iXMLNode document;
  TMessageBox message;
};

// The most slides a file may hold: every slide gets a full grid when opened.
inline constexpr int kMaxSlidesPerFile = 200;

// Reads a slideshow file, retrying with unknown elements skipped when the plain reading fails, checks
// the version, renews the identifiers and sizes every tank to the display. Never throws: a missing
// or unreadable file, or a value that does not convert, comes back as an error message naming the
// file and the reason.
TOpenedSlideshow OpenSlideshowFile(const std::string& fileName, int32_t displayWidth, int32_t displayHeight);
// The same for a file's bytes already in memory; fileName only names the file in messages.
TOpenedSlideshow OpenSlideshowBytes(const std::string& fileBytes, const std::string& fileName,
                                    int32_t displayWidth, int32_t displayHeight);

// The file's name without directory and extension, as the window shows it.
std::string SlideshowName(const std::string& fileName);

// "Wavora", or "Wavora - " and the slideshow's name.
std::string FileTitle(const std::string& fileName);

}  // namespace wavora
