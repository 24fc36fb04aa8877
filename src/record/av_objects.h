#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
}

#include <memory>
#include <stdexcept>
#include <string>

namespace wavora {

// FFmpeg's objects with owners that free them, and its failures as exceptions.

struct TCodecContextFree {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct TFrameFree {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct TPacketFree {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using TCodecContext = std::unique_ptr<AVCodecContext, TCodecContextFree>;
using TAvFrame = std::unique_ptr<AVFrame, TFrameFree>;
using TAvPacket = std::unique_ptr<AVPacket, TPacketFree>;

// FFmpeg's libraries print notes and warnings to the standard error unless told not to; a failure
// reaches the user as the error it raises.
inline void SilenceAvLog() {
  av_log_set_level(AV_LOG_QUIET);
}

// Raises std::runtime_error with what and FFmpeg's reason when status is an error (negative).
inline int AvCheck(int status, const std::string& what) {
  if (status >= 0) return status;
  char reason[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(status, reason, sizeof reason);
  throw std::runtime_error(what + ": " + reason);
}

// A frame of the format and size with its own buffers.
inline TAvFrame NewAvFrame(AVPixelFormat format, int width, int height) {
  TAvFrame frame(av_frame_alloc());
  if (!frame) throw std::bad_alloc();
  frame->format = format;
  frame->width = width;
  frame->height = height;
  AvCheck(av_frame_get_buffer(frame.get(), 0), "Cannot make a video frame");
  return frame;
}

}  // namespace wavora
