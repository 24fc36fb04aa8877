#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

#include "image/fast_dib.h"
#include "record/av_objects.h"

namespace wavora {

// A clip being recorded: every frame added is compressed at once without loss (H.264 in its lossless
// RGB mode, about 50 kB a frame of a 401 x 401 tank) into an unnamed temporary file that goes when the
// recording does, so a long recording holds one frame in memory whatever its length. It takes at
// most kMaxFrames frames; a writer reads them back, in order, to make the GIF or the video.
class TClipRecording {
 public:
  // Ten minutes of the window's frames, 16 ms apart.
  static constexpr int kMaxFrames = 37500;

  // Raises std::runtime_error when no temporary file can be made or FFmpeg lacks the encoder.
  TClipRecording(int width, int height, int maxFrames = kMaxFrames);
  ~TClipRecording();
  TClipRecording(const TClipRecording&) = delete;
  TClipRecording& operator=(const TClipRecording&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  int FrameCount() const { return frames_; }
  bool Full() const { return frames_ >= maxFrames_; }
  // Adds a frame of the clip's size; a full recording, or one that has been read, keeps nothing more
  // and returns false. A frame of another size raises std::invalid_argument.
  bool Add(const TFastDIB& frame);

  // Reads the recorded frames back from the first. A recording is read by one reader at a time, and
  // nothing is added while it reads.
  class TReader {
   public:
    explicit TReader(TClipRecording& recording);
    // The next frame into picture (sized to the clip); false after the last.
    bool Next(TFastDIB& picture);

   private:
    TClipRecording& recording_;
    TCodecContext decoder_;
    TAvFrame frame_;
    TAvPacket packet_;
    int read_ = 0;  // packets sent to the decoder, one more once the end was
  };

 private:
  // Writes the encoder's finished packets to the file, each after its size.
  void DrainPackets();
  // Ends the stream once, so that the last frames' packets are in the file.
  void Flush();

  int width_;
  int height_;
  int maxFrames_;
  int frames_ = 0;
  int packets_ = 0;
  bool flushed_ = false;
  std::unique_ptr<FILE, int (*)(FILE*)> file_;
  TCodecContext encoder_;
  TAvFrame frame_;
  TAvPacket packet_;
};

}  // namespace wavora
