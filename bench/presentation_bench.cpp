#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "fastest_repetition.h"
#include "image/fast_dib.h"
#include "ui/dib_image.h"

namespace wavora {
namespace {

// The presentation's picture on a 1920 x 1080 screen: the 401 x 401 tank image enlarged to
// 1080 x 1080 between black bars, in the 32-bit format of a window's back buffer; smooth:1
// interpolates, smooth:0 repeats whole pixels.
void BM_PresentationPaint(benchmark::State& state) {
  TFastDIB image(401, 401);
  // Rings of every shade, as waves make them.
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const auto shade = uint8_t((x - 200) * (x - 200) / 16 + (y - 200) * (y - 200) / 16);
      image.SetPixel(x, y, RGB(shade, shade, uint8_t(255 - shade)));
    }
  }
  QImage screen(1920, 1080, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, state.range(0) != 0);
    PaintFitted(painter, screen.rect(), image);
    painter.end();
    benchmark::DoNotOptimize(screen.constBits());
  }
}
BENCHMARK(BM_PresentationPaint)
    ->ArgName("smooth")
    ->Arg(0)
    ->Arg(1)
    ->Apply([](benchmark::internal::Benchmark* bench) {
      // Qt's painter spreads large fills over worker threads: the CPU time of the whole process is the
      // cost, the wall time the wait on an idle machine.
      WithFastestRepetition(bench->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond));
    });

}  // namespace
}  // namespace wavora
