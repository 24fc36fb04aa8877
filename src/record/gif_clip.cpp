#include "record/gif_clip.h"

#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/file_text.h"
#include "record/clip_recording.h"
#include "record/gif_palette.h"

namespace wavora {

namespace {

// Closes the GIF file once; a failure then is a failure to write.
class TGifOutput {
 public:
  TGifOutput(const std::string& temporaryName, const std::string& fileName) : fileName_(fileName) {
    int error = 0;
    gif_ = EGifOpenFileName(temporaryName.c_str(), false, &error);
    if (!gif_) Fail(error);
  }
  ~TGifOutput() {
    if (gif_) EGifCloseFile(gif_, nullptr);
  }
  TGifOutput(const TGifOutput&) = delete;
  TGifOutput& operator=(const TGifOutput&) = delete;

  GifFileType* operator->() const { return gif_; }
  GifFileType* Get() const { return gif_; }
  void Check(int status) const {
    if (status == GIF_ERROR) Fail(gif_->Error);
  }
  void Close() {
    int error = 0;
    const int status = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    if (status == GIF_ERROR) Fail(error);
  }

 private:
  [[noreturn]] void Fail(int error) const {
    throw TFileError("Cannot write file \"" + fileName_ + "\": " + GifErrorString(error));
  }
  std::string fileName_;
  GifFileType* gif_ = nullptr;
};

// The application extension that makes players loop the clip for ever.
void PutLoopForever(const TGifOutput& gif) {
  const char application[] = "NETSCAPE2.0";
  const unsigned char loop[] = {1, 0, 0};  // sub-block 1: repeat count 0, for ever
  gif.Check(EGifPutExtensionLeader(gif.Get(), APPLICATION_EXT_FUNC_CODE));
  gif.Check(EGifPutExtensionBlock(gif.Get(), 11, application));
  gif.Check(EGifPutExtensionBlock(gif.Get(), sizeof loop, loop));
  gif.Check(EGifPutExtensionTrailer(gif.Get()));
}

}  // namespace

int GifDelay(double fps) {
  return std::max(2, static_cast<int>(std::lround(100.0 / fps)));
}

void WriteGifClip(TClipRecording& recording, const std::string& fileName, double fps,
                  const TProgress& progress) {
  // Fitting the palette reads and counts every frame: about a third of the work.
  constexpr double kFitShare = 0.3;
  const double frames = std::max(1, recording.FrameCount());
  TGifPalette palette;
  TFastDIB frame;
  {
    TClipRecording::TReader reader(recording);
    for (int i = 0; reader.Next(frame); ++i) {
      palette.Count(frame);
      Report(progress, 0, kFitShare, (i + 1) / frames);
    }
  }
  palette.Fit();

  TReplacingFile file(fileName);
  TGifOutput gif(file.TemporaryName(), fileName);
  std::vector<GifColorType> colours(TGifPalette::kSize);
  for (size_t i = 0; i < palette.Entries().size(); ++i)
    colours[i] = {palette.Entries()[i].red, palette.Entries()[i].green, palette.Entries()[i].blue};
  ColorMapObject* map = GifMakeMapObject(TGifPalette::kSize, colours.data());
  if (!map) throw std::bad_alloc();
  const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> owned(map, GifFreeMapObject);
  EGifSetGifVersion(gif.Get(), true);
  gif.Check(EGifPutScreenDesc(gif.Get(), recording.Width(), recording.Height(), 8, 0, map));
  PutLoopForever(gif);

  GraphicsControlBlock timing{};
  timing.DisposalMode = DISPOSE_DO_NOT;
  timing.DelayTime = GifDelay(fps);
  timing.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  const size_t extensionSize = EGifGCBToExtension(&timing, extension);
  std::vector<uint8_t> indices;
  TClipRecording::TReader reader(recording);
  for (int i = 0; reader.Next(frame); ++i) {
    palette.Map(frame, indices);
    gif.Check(
        EGifPutExtension(gif.Get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionSize), extension));
    gif.Check(EGifPutImageDesc(gif.Get(), 0, 0, frame.Width(), frame.Height(), false, nullptr));
    for (int y = 0; y < frame.Height(); ++y)
      gif.Check(
          EGifPutLine(gif.Get(), indices.data() + static_cast<size_t>(y) * frame.Width(), frame.Width()));
    Report(progress, kFitShare, 1 - kFitShare, (i + 1) / frames);
  }
  gif.Close();
  file.Commit();
}

}  // namespace wavora
