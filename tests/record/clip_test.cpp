#include <gif_lib.h>
#include <gtest/gtest.h>

extern "C" {
#include <libswscale/swscale.h>
}

#include <cmath>
#include <filesystem>

#include "document/class_registration.h"
#include "document/slide_run.h"
#include "document/slideshow_file.h"
#include "document/water_collection.h"
#include "model/file_text.h"
#include "record/av_objects.h"
#include "record/clip_file.h"
#include "record/clip_recording.h"

namespace wavora {
namespace {

std::string TempPath(const std::string& name) {
  return ::testing::TempDir() + "wavora_clip_" + name;
}

// 50 frames of the measuring lesson's first slide: waves, a medium's tint and tools' colours.
struct TRecorded {
  TFastDIB first;
  TFastDIB last;
  std::unique_ptr<TClipRecording> recording;
};

TRecorded Record50Frames() {
  RegisterClasses();
  const TOpenedSlideshow opened = OpenSlideshowFile(WAVORA_EXAMPLES_DIR "/measuring_waves.wvr", 401, 401);
  const TRef<TWaterCollection> lesson = RefCast<TWaterCollection>(opened.document);
  TRunClock clock;
  TSlideRun run(clock, lesson->GetWater(0), 417, 169, false);
  for (int i = 0; i < 100; ++i)
    run.RunFrame();
  TRecorded recorded{{}, {}, std::make_unique<TClipRecording>(401, 401)};
  for (int i = 0; i < 50; ++i) {
    run.RunFrame();
    EXPECT_TRUE(recorded.recording->Add(run.Picture()));
    if (i == 0) recorded.first = run.Picture();
  }
  recorded.last = run.Picture();
  return recorded;
}

// Mean difference a channel between two pictures of one size.
double MeanDifference(const TFastDIB& a, const TFastDIB& b) {
  double sum = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width() * TFastDIB::kBytesPerPixel; ++x) {
      if (x % TFastDIB::kBytesPerPixel != 3) sum += std::abs(a.Row(y)[x] - b.Row(y)[x]);
    }
  }
  return sum / (3.0 * a.Width() * a.Height());
}

TEST(Clip, RecordingGivesBackEveryFrameWithoutLossAndStopsAtItsBound) {
  TRecorded recorded = Record50Frames();
  TClipRecording::TReader reader(*recorded.recording);
  TFastDIB frame;
  int frames = 0;
  for (; reader.Next(frame); ++frames) {
    if (frames == 0) {
      EXPECT_EQ(MeanDifference(frame, recorded.first), 0);
    }
  }
  EXPECT_EQ(frames, 50);
  EXPECT_EQ(MeanDifference(frame, recorded.last), 0);
  EXPECT_FALSE(recorded.recording->Add(frame)) << "nothing is added once it has been read";

  TClipRecording small(16, 16, 3);
  const TFastDIB tiny(16, 16);
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(small.Add(tiny));
  EXPECT_TRUE(small.Full());
  EXPECT_FALSE(small.Add(tiny));
  EXPECT_EQ(small.FrameCount(), 3);
  EXPECT_THROW(small.Add(TFastDIB(8, 16)), std::invalid_argument);
}

TEST(Clip, GifHoldsEveryFrameInTheNearestColoursOfItsPalette) {
  TRecorded recorded = Record50Frames();
  const std::string path = TempPath("tank.gif");
  WriteClipFile(*recorded.recording, path, 25, nullptr);

  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  ASSERT_NE(gif, nullptr) << GifErrorString(error);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
  EXPECT_EQ(gif->ImageCount, 50);
  EXPECT_EQ(gif->SWidth, 401);
  EXPECT_EQ(gif->SHeight, 401);
  GraphicsControlBlock timing{};
  ASSERT_EQ(DGifSavedExtensionToGCB(gif, 0, &timing), GIF_OK);
  EXPECT_EQ(timing.DelayTime, 4) << "25 frames a second";

  // Each pixel of the first frame is the palette's colour nearest to the tank's.
  const ColorMapObject& map = *gif->SColorMap;
  const SavedImage& image = gif->SavedImages[0];
  TFastDIB decoded(401, 401);
  int wrong = 0;
  const auto distance = [](const GifColorType& c, TColour tank) {
    return (c.Red - tank.red) * (c.Red - tank.red) + (c.Green - tank.green) * (c.Green - tank.green) +
           (c.Blue - tank.blue) * (c.Blue - tank.blue);
  };
  for (int y = 0; y < 401; ++y) {
    for (int x = 0; x < 401; ++x) {
      const TColour tank = recorded.first.Pixel(x, y);
      int nearest = 1 << 30;
      for (int i = 0; i < map.ColorCount; ++i)
        nearest = std::min(nearest, distance(map.Colors[i], tank));
      const GifColorType& shown = map.Colors[image.RasterBits[y * 401 + x]];
      decoded.SetPixel(x, y, RGB(shown.Red, shown.Green, shown.Blue));
      wrong += distance(shown, tank) != nearest;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_LT(MeanDifference(decoded, recorded.first), 1) << "the palette fits the tank's colours";
  DGifCloseFile(gif, nullptr);
}

TEST(Clip, VideoHoldsEveryFrameWithinThreeLevelsOfTheTank) {
  TRecorded recorded = Record50Frames();
  const std::string path = TempPath("tank.webm");
  WriteClipFile(*recorded.recording, path, 25, nullptr);

  AVFormatContext* input = nullptr;
  ASSERT_EQ(avformat_open_input(&input, path.c_str(), nullptr, nullptr), 0);
  ASSERT_GE(avformat_find_stream_info(input, nullptr), 0);
  ASSERT_EQ(input->nb_streams, 1u);
  const AVCodecParameters& parameters = *input->streams[0]->codecpar;
  EXPECT_EQ(parameters.codec_id, AV_CODEC_ID_VP8);
  EXPECT_EQ(parameters.width, 401);
  EXPECT_EQ(parameters.height, 401);
  EXPECT_EQ(av_q2d(input->streams[0]->avg_frame_rate), 25);
  const AVCodec* codec = avcodec_find_decoder(parameters.codec_id);
  const TCodecContext decoder(avcodec_alloc_context3(codec));
  ASSERT_GE(avcodec_parameters_to_context(decoder.get(), &parameters), 0);
  ASSERT_GE(avcodec_open2(decoder.get(), codec, nullptr), 0);
  const TAvPacket packet(av_packet_alloc());
  const TAvFrame frame(av_frame_alloc());
  int frames = 0;
  const auto receive = [&] {
    while (avcodec_receive_frame(decoder.get(), frame.get()) == 0) {
      if (frames++ > 0) continue;
      SwsContext* back = sws_getContext(401, 401, AVPixelFormat(frame->format), 401, 401, AV_PIX_FMT_BGR0,
                                        SWS_BICUBIC | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
      TFastDIB picture(401, 401);
      uint8_t* rows[] = {picture.Bits()};
      const int strides[] = {picture.BytesPerRow()};
      sws_scale(back, frame->data, frame->linesize, 0, 401, rows, strides);
      sws_freeContext(back);
      EXPECT_LE(MeanDifference(picture, recorded.first), 3);
    }
  };
  while (av_read_frame(input, packet.get()) == 0) {
    EXPECT_EQ(avcodec_send_packet(decoder.get(), packet.get()), 0);
    av_packet_unref(packet.get());
    receive();
  }
  avcodec_send_packet(decoder.get(), nullptr);
  receive();
  EXPECT_EQ(frames, 50);
  avformat_close_input(&input);
}

TEST(Clip, ACancelledOrUnwritableClipLeavesNoFileAndKeepsTheOldOne) {
  TClipRecording recording(16, 16);
  for (int i = 0; i < 10; ++i)
    recording.Add(TFastDIB(16, 16));
  for (const char* name : {"kept.gif", "kept.webm"}) {
    SCOPED_TRACE(name);
    const std::string path = TempPath(name);
    WriteFileText(path, "old");
    EXPECT_THROW(WriteClipFile(recording, path, 25, [](double done) { return done < 0.5; }), TCancelled);
    EXPECT_EQ(ReadFileText(path), "old");
    const std::string folder = std::filesystem::path(path).parent_path().string();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      EXPECT_EQ(entry.path().filename().string().find(std::string(".wavora_clip_") + name),
                std::string::npos);
    try {
      WriteClipFile(recording, "/nonexistent/" + std::string(name), 25, nullptr);
      ADD_FAILURE() << "written";
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find("/nonexistent/"), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace wavora
