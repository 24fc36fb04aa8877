#include "document/slideshow_file.h"

#include <cmath>
#include <optional>

#include "document/water_collection.h"
#include "model/file_encoding.h"
#include "model/file_text.h"
#include "model/node_errors.h"
#include "model/node_files.h"
#include "model/stream.h"
#include "sim/resource_strings.h"

namespace wavora {

namespace {

std::string WithProblem(std::string_view headline, const std::string& problem) {
  return std::string(headline) + "\n\n" + std::string(rs::ProblemReported) + "\n\n" + problem;
}

TOpenedSlideshow Failure(std::string text) {
  return {{}, {TMessageBox::mbError, std::move(text)}};
}

// The first node of the text, read plainly and, when that fails, again with unknown elements
// skipped; salvageError then holds why the plain reading failed.
iXMLNode ReadFirstNode(const std::string& text, std::optional<std::string>& salvageError) {
  try {
    TStream stream(text);
    return ReadNodeFromStream(stream);
  } catch (const TXMLNodeParsingError& first) {
    salvageError = first.what();
  }
  TStream stream(text);
  return ReadNodeFromStreamSkipUnknowns(stream);
}

TOpenedSlideshow ReadSlideshow(const std::string& fileBytes, const std::string& fileName,
                               int32_t displayWidth, int32_t displayHeight) {
  std::optional<std::string> firstError;
  iXMLNode node;
  try {
    node = ReadFirstNode(DecodeFileText(fileBytes), firstError);
  } catch (const TXMLNodeParsingError& second) {
    return Failure(WithProblem(rs::CouldNotLoad, second.what()));
  }
  const bool salvaged = firstError.has_value();
  const TRef<TWaterCollection> slideshow = RefCast<TWaterCollection>(node);
  if (!slideshow) return Failure(std::string(rs::NoSlideshowInFile));
  if (slideshow->SlideCount() > kMaxSlidesPerFile) {
    return Failure("The file \"" + fileName + "\" holds " + std::to_string(slideshow->SlideCount()) +
                   " slides; at most " + std::to_string(kMaxSlidesPerFile) + " can be opened.");
  }

  TOpenedSlideshow result;
  // Newer when the declared version, less ours, rounds (halves to even) above 0: above 1.0.
  const bool newer = std::nearbyint(static_cast<double>(slideshow->LoadedVersion()) - 0.5) > 0;
  if (newer && !salvaged) {
    result.message = {TMessageBox::mbInformation, std::string(rs::NewerVersionLoaded)};
  } else if (salvaged) {
    result.message = {newer ? TMessageBox::mbWarning : TMessageBox::mbError,
                      WithProblem(rs::ObjectsLost, *firstError)};
  }
  slideshow->PrepareAfterLoad();
  slideshow->SetTankSize(displayWidth, displayHeight);
  result.document = slideshow;
  return result;
}

}  // namespace

TOpenedSlideshow OpenSlideshowFile(const std::string& fileName, int32_t displayWidth, int32_t displayHeight) {
  std::string bytes;
  try {
    bytes = ReadFileText(fileName);
  } catch (const TFileError& e) {
    return Failure(e.what());
  }
  return OpenSlideshowBytes(bytes, fileName, displayWidth, displayHeight);
}

TOpenedSlideshow OpenSlideshowBytes(const std::string& fileBytes, const std::string& fileName,
                                    int32_t displayWidth, int32_t displayHeight) {
  try {
    return ReadSlideshow(fileBytes, fileName, displayWidth, displayHeight);
  } catch (const std::exception& e) {
    return Failure("The file \"" + fileName + "\" could not be opened: " + e.what());
  }
}

std::string SlideshowName(const std::string& fileName) {
  const size_t slash = fileName.find_last_of("/\\");
  std::string name = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string FileTitle(const std::string& fileName) {
  std::string title(rs::AppTitle);
  if (fileName.empty()) return title;
  return title + " - " + SlideshowName(fileName);
}

}  // namespace wavora
