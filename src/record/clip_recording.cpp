#include "record/clip_recording.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <cerrno>
#include <cstring>
#include <string>

namespace wavora {

namespace {

[[noreturn]] void ThrowFileError(const char* what) {
  throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

TClipRecording::TClipRecording(int width, int height, int maxFrames)
    : width_(width), height_(height), maxFrames_(maxFrames), file_(std::tmpfile(), &std::fclose) {
  if (!file_) ThrowFileError("Cannot make a temporary file for the recording");
  SilenceAvLog();
  const AVCodec* codec = avcodec_find_encoder_by_name("libx264rgb");
  if (!codec)
    throw std::runtime_error("This FFmpeg has no lossless H.264 encoder (libx264rgb) for recordings");
  encoder_.reset(avcodec_alloc_context3(codec));
  if (!encoder_) throw std::bad_alloc();
  encoder_->width = width;
  encoder_->height = height;
  encoder_->pix_fmt = AV_PIX_FMT_BGR0;
  encoder_->time_base = {1, 1000};
  // One thread and no look-ahead: each frame comes out as its packet at once, in the frame's own
  // time; "ultrafast" at quantiser 0 is lossless and about a fifth of the frame period at 401 x 401.
  encoder_->thread_count = 1;
  av_opt_set(encoder_->priv_data, "preset", "ultrafast", 0);
  av_opt_set(encoder_->priv_data, "tune", "zerolatency", 0);
  av_opt_set_int(encoder_->priv_data, "qp", 0, 0);
  AvCheck(avcodec_open2(encoder_.get(), codec, nullptr), "Cannot start the recording's encoder");
  frame_ = NewAvFrame(AV_PIX_FMT_BGR0, width, height);
  packet_.reset(av_packet_alloc());
  if (!packet_) throw std::bad_alloc();
}

TClipRecording::~TClipRecording() = default;

bool TClipRecording::Add(const TFastDIB& frame) {
  if (frame.Width() != width_ || frame.Height() != height_)
    throw std::invalid_argument("A frame of another size than the recording's");
  if (Full() || flushed_) return false;
  AvCheck(av_frame_make_writable(frame_.get()), "Cannot record the frame");
  const size_t rowBytes = static_cast<size_t>(width_) * TFastDIB::kBytesPerPixel;
  for (int y = 0; y < height_; ++y)
    std::memcpy(frame_->data[0] + static_cast<ptrdiff_t>(y) * frame_->linesize[0], frame.Row(y), rowBytes);
  frame_->pts = frames_;
  AvCheck(avcodec_send_frame(encoder_.get(), frame_.get()), "Cannot record the frame");
  DrainPackets();
  ++frames_;
  return true;
}

void TClipRecording::DrainPackets() {
  while (true) {
    const int status = avcodec_receive_packet(encoder_.get(), packet_.get());
    if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) return;
    AvCheck(status, "Cannot record the frame");
    const uint32_t size = static_cast<uint32_t>(packet_->size);
    const bool written = std::fwrite(&size, sizeof size, 1, file_.get()) == 1 &&
                         std::fwrite(packet_->data, 1, size, file_.get()) == size;
    av_packet_unref(packet_.get());
    if (!written) ThrowFileError("Cannot write the recording");
    ++packets_;
  }
}

void TClipRecording::Flush() {
  if (flushed_) return;
  flushed_ = true;
  AvCheck(avcodec_send_frame(encoder_.get(), nullptr), "Cannot end the recording");
  DrainPackets();
  if (std::fflush(file_.get()) != 0) ThrowFileError("Cannot write the recording");
}

TClipRecording::TReader::TReader(TClipRecording& recording) : recording_(recording) {
  recording.Flush();
  if (std::fseek(recording.file_.get(), 0, SEEK_SET) != 0) ThrowFileError("Cannot read the recording");
  const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
  if (!codec) throw std::runtime_error("This FFmpeg has no H.264 decoder to read recordings");
  decoder_.reset(avcodec_alloc_context3(codec));
  if (!decoder_) throw std::bad_alloc();
  decoder_->thread_count = 1;
  AvCheck(avcodec_open2(decoder_.get(), codec, nullptr), "Cannot start reading the recording");
  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!frame_ || !packet_) throw std::bad_alloc();
}

bool TClipRecording::TReader::Next(TFastDIB& picture) {
  while (true) {
    const int status = avcodec_receive_frame(decoder_.get(), frame_.get());
    if (status == 0) {
      // Lossless RGB H.264 decodes to planes in the order green, blue, red.
      if (frame_->format != AV_PIX_FMT_GBRP || frame_->width != recording_.width_ ||
          frame_->height != recording_.height_)
        throw std::runtime_error("The recording holds a frame of another kind");
      picture.SetSize(frame_->width, frame_->height);
      for (int y = 0; y < frame_->height; ++y) {
        const uint8_t* green = frame_->data[0] + static_cast<ptrdiff_t>(y) * frame_->linesize[0];
        const uint8_t* blue = frame_->data[1] + static_cast<ptrdiff_t>(y) * frame_->linesize[1];
        const uint8_t* red = frame_->data[2] + static_cast<ptrdiff_t>(y) * frame_->linesize[2];
        uint8_t* row = picture.Row(y);
        for (int x = 0; x < frame_->width; ++x, row += TFastDIB::kBytesPerPixel) {
          row[0] = blue[x];
          row[1] = green[x];
          row[2] = red[x];
        }
      }
      av_frame_unref(frame_.get());
      return true;
    }
    if (status == AVERROR_EOF) return false;
    if (status != AVERROR(EAGAIN)) AvCheck(status, "Cannot read the recording");
    if (read_ == recording_.packets_) {
      AvCheck(avcodec_send_packet(decoder_.get(), nullptr), "Cannot read the recording");
      ++read_;
      continue;
    }
    uint32_t size = 0;
    if (std::fread(&size, sizeof size, 1, recording_.file_.get()) != 1 || size > (1u << 30))
      ThrowFileError("Cannot read the recording");
    AvCheck(av_new_packet(packet_.get(), static_cast<int>(size)), "Cannot read the recording");
    const bool read = std::fread(packet_->data, 1, size, recording_.file_.get()) == size;
    if (!read) {
      av_packet_unref(packet_.get());
      ThrowFileError("Cannot read the recording");
    }
    const int sent = avcodec_send_packet(decoder_.get(), packet_.get());
    av_packet_unref(packet_.get());
    AvCheck(sent, "Cannot read the recording");
    ++read_;
  }
}

}  // namespace wavora
