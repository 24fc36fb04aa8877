#include "record/video_clip.h"

extern "C" {
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>

#include "model/file_text.h"
#include "record/av_objects.h"
#include "record/clip_recording.h"

namespace wavora {

namespace {

// The muxer with its file, closed and freed together.
struct TOutputFree {
  void operator()(AVFormatContext* output) const {
    if (output->pb) avio_closep(&output->pb);
    avformat_free_context(output);
  }
};
using TOutput = std::unique_ptr<AVFormatContext, TOutputFree>;

struct TScalerFree {
  void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

}  // namespace

void WriteVideoClip(TClipRecording& recording, const std::string& fileName, double fps,
                    const TProgress& progress) {
  const std::string failure = "Cannot write file \"" + fileName + "\"";
  TReplacingFile file(fileName);
  AVFormatContext* made = nullptr;
  AvCheck(avformat_alloc_output_context2(&made, nullptr, "webm", file.TemporaryName().c_str()), failure);
  const TOutput output(made);
  const AVCodec* codec = avcodec_find_encoder_by_name("libvpx");
  if (!codec) throw std::runtime_error(failure + ": this FFmpeg has no VP8 encoder (libvpx)");
  AVStream* stream = avformat_new_stream(output.get(), nullptr);
  const TCodecContext encoder(avcodec_alloc_context3(codec));
  if (!stream || !encoder) throw std::bad_alloc();
  const int width = recording.Width(), height = recording.Height();
  encoder->width = width;
  encoder->height = height;
  encoder->pix_fmt = AV_PIX_FMT_YUV420P;
  encoder->framerate = av_d2q(fps, 100000);
  encoder->time_base = av_inv_q(encoder->framerate);
  // libvpx's own threads cost far more than they save on a 401 x 401 picture (16 times the time on
  // two busy cores).
  encoder->thread_count = 1;
  // Constant quality near the top of the scale, with a ceiling on the rate high enough not to bind.
  encoder->bit_rate = 20'000'000;
  encoder->qmin = 0;
  encoder->qmax = 24;
  av_opt_set_int(encoder->priv_data, "crf", 4, 0);
  av_opt_set(encoder->priv_data, "deadline", "good", 0);
  av_opt_set_int(encoder->priv_data, "cpu-used", 4, 0);
  if (output->oformat->flags & AVFMT_GLOBALHEADER) encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  AvCheck(avcodec_open2(encoder.get(), codec, nullptr), failure);
  AvCheck(avcodec_parameters_from_context(stream->codecpar, encoder.get()), failure);
  stream->time_base = encoder->time_base;
  AvCheck(avio_open(&output->pb, file.TemporaryName().c_str(), AVIO_FLAG_WRITE), failure);
  AvCheck(avformat_write_header(output.get(), nullptr), failure);

  const std::unique_ptr<SwsContext, TScalerFree> scaler(
      sws_getContext(width, height, AV_PIX_FMT_BGR0, width, height, AV_PIX_FMT_YUV420P,
                     SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr));
  if (!scaler) throw std::runtime_error(failure + ": no colour conversion to the video's form");
  const TAvFrame frame = NewAvFrame(AV_PIX_FMT_YUV420P, width, height);
  const TAvPacket packet(av_packet_alloc());
  if (!packet) throw std::bad_alloc();
  const auto writePackets = [&] {
    while (true) {
      const int status = avcodec_receive_packet(encoder.get(), packet.get());
      if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) return;
      AvCheck(status, failure);
      av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
      packet->stream_index = stream->index;
      AvCheck(av_interleaved_write_frame(output.get(), packet.get()), failure);
    }
  };

  const double frames = std::max(1, recording.FrameCount());
  TFastDIB picture;
  TClipRecording::TReader reader(recording);
  for (int i = 0; reader.Next(picture); ++i) {
    AvCheck(av_frame_make_writable(frame.get()), failure);
    const uint8_t* source[] = {picture.Bits()};
    const int sourceStride[] = {picture.BytesPerRow()};
    sws_scale(scaler.get(), source, sourceStride, 0, height, frame->data, frame->linesize);
    frame->pts = i;
    AvCheck(avcodec_send_frame(encoder.get(), frame.get()), failure);
    writePackets();
    Report(progress, 0, 1, (i + 1) / frames);
  }
  AvCheck(avcodec_send_frame(encoder.get(), nullptr), failure);
  writePackets();
  AvCheck(av_write_trailer(output.get()), failure);
  AvCheck(avio_closep(&output->pb), failure);
  file.Commit();
}

}  // namespace wavora
