#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdio>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "image/fast_dib.h"
#include "record/clip_file.h"
#include "record/clip_recording.h"
#include "sim/frame_loop.h"

namespace wavora {
namespace {

double ProcessCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The default slide at 401 x 401 as the window runs it, with a recording beside it.
struct TRecordedSlide {
  // One frame: the tank steps and draws, and the recording takes the picture when asked.
  void Frame(bool record) {
    loop.RunFrame(tank.Get(), image, false);
    if (record) recording.Add(image);
  }

  // The classes are registered before the first slide is made.
  TRef<TSlideshow> slideshow = (RegisterClasses(), NewSlideshow(401, 401));
  TRef<TWater> tank = slideshow->GetActiveWater();
  TFastDIB image{401, 401};
  TFrameLoop loop;
  TClipRecording recording{401, 401};
};

// The window's frame while it records: the default slide (the beam) at 401 x 401 steps and draws,
// and the recording takes the picture. 600 frames, the CPU time of the whole process for each (the
// step's workers and the encoder too): "max_ms" is the dearest frame, which must stay within the
// 16 ms between frames.
void BM_RecordedFrame(benchmark::State& state) {
  TRecordedSlide slide;
  double dearest = 0;
  for (auto _ : state) {
    const double start = ProcessCpuMs();
    slide.Frame(state.range(0) != 0);
    dearest = std::max(dearest, ProcessCpuMs() - start);
  }
  state.counters["max_ms"] = dearest;
}
BENCHMARK(BM_RecordedFrame)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(600)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// Writing the 600 recorded frames as a clip after the recording, as the window's progress bar does:
// GIF (kind 0) or WebM (kind 1).
void BM_WriteClip(benchmark::State& state) {
  TRecordedSlide slide;
  for (int i = 0; i < 600; ++i)
    slide.Frame(true);
  TClipRecording& recording = slide.recording;
  const char* name = state.range(0) == 0 ? "/tmp/wavora_bench_clip.gif" : "/tmp/wavora_bench_clip.webm";
  for (auto _ : state)
    WriteClipFile(recording, name, 62.5, nullptr);
  std::remove(name);
}
BENCHMARK(BM_WriteClip)
    ->ArgName("kind")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace wavora
