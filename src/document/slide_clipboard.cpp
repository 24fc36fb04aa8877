#include "document/slide_clipboard.h"

#include "document/slideshow_file.h"
#include "model/node_errors.h"
#include "model/node_files.h"
#include "model/reader_limits.h"
#include "model/stream.h"
#include "sim/resource_strings.h"

namespace wavora {

namespace {

// The node the text holds (plain reading: an unknown element is an error), or none with the
// messages of what went wrong.
iXMLNode ReadClipboardNode(std::string_view text, std::vector<std::string>& errors) {
  // Some programs end clipboard text with the zero bytes of the platform's text format.
  while (!text.empty() && text.back() == '\0')
    text.remove_suffix(1);
  iXMLNode node;
  try {
    if (text.size() > kMaxFileSize) throw TXMLNodeParsingError("The text is larger than any slide.");
    TStream stream{std::string(text)};
    node = ReadNodeFromStream(stream);
  } catch (const TXMLNodeParsingError&) {
    errors.emplace_back(rs::ClipboardCorrupted);
  } catch (const std::exception&) {
    // Any other failure (a value that does not convert) reads as nothing found.
  }
  if (!node) errors.emplace_back(rs::NoExperimentOnClipboard);
  return node;
}

}  // namespace

std::string SlideClipboardText(const TWater& tank) {
  TStream stream;
  tank.SaveToStream(stream, true, 0);
  return stream.Data();
}

TPastedSlide PasteSlide(TWaterCollection& slideshow, std::string_view text) {
  TPastedSlide pasted;
  const iXMLNode node = ReadClipboardNode(text, pasted.errors);
  if (!node) return pasted;
  const TRef<TWater> slide = RefCast<TWater>(node);
  if (!slide) {
    pasted.errors.emplace_back(rs::WrongClipboardObject);
    return pasted;
  }
  // A slideshow saved with more slides could not be opened again.
  if (slideshow.SlideCount() >= kMaxSlidesPerFile) {
    pasted.errors.emplace_back(rs::SlideshowFull);
    return pasted;
  }
  slide->RenewUniqueIDs();
  slideshow.add(slide);
  pasted.slide = slide;
  return pasted;
}

}  // namespace wavora
