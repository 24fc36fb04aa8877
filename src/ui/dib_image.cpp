#include "ui/dib_image.h"

#include <QPainter>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

namespace wavora {

namespace {

// Four pixels of the screen's format as bytes, and their sixteen channels widened to 16-bit lanes,
// where a channel times 256 fits: the blends below work on four pixels at once in the vector unit.
using TPixels = uint32_t __attribute__((vector_size(16)));
using TPixelBytes = uint8_t __attribute__((vector_size(16)));
using TChannelLanes = uint16_t __attribute__((vector_size(32)));

// Blends four pixels of b with weight take of 256 and of a with the rest, each channel rounded to the
// nearest level; keep + take is 256 in every lane.
inline TPixelBytes Blend(TPixelBytes a, TPixelBytes b, TChannelLanes keep, TChannelLanes take) {
  const TChannelLanes mixed = (__builtin_convertvector(a, TChannelLanes) * keep +
                               __builtin_convertvector(b, TChannelLanes) * take + 128) >>
                              8;
  return __builtin_convertvector(mixed, TPixelBytes);
}

inline TPixelBytes LoadPixels(const uint32_t* pixels) {
  TPixelBytes bytes;
  std::memcpy(&bytes, pixels, sizeof bytes);
  return bytes;
}

inline void StorePixels(uint32_t* pixels, TPixelBytes bytes) {
  std::memcpy(pixels, &bytes, sizeof bytes);
}

constexpr int kPixelsPerBlend = 4;

// Where each of target pixels takes its colour among source pixels: between pixel first and the next
// (the last pixel at the edge), next weighted 0 ... 256, with the pixel centres lined up.
struct TTap {
  int first = 0;
  int next = 0;
  uint16_t weight = 0;
};

std::vector<TTap> Taps(int source, int target) {
  std::vector<TTap> taps(static_cast<size_t>(target));
  for (int i = 0; i < target; ++i) {
    const double at = std::clamp((i + 0.5) * source / target - 0.5, 0.0, source - 1.0);
    TTap& tap = taps[static_cast<size_t>(i)];
    tap.first = static_cast<int>(at);
    tap.next = std::min(tap.first + 1, source - 1);
    tap.weight = static_cast<uint16_t>(std::lround((at - tap.first) * 256));
  }
  return taps;
}

// The taps across a row, four target pixels a group, with their weights laid out as the lanes of
// the group's channels; the row's last group is padded with the last pixel's tap.
struct TRowTaps {
  std::vector<TTap> taps;
  std::vector<TChannelLanes> keep;
  std::vector<TChannelLanes> take;
};

TRowTaps RowTaps(int source, int target) {
  TRowTaps row{Taps(source, target), {}, {}};
  const size_t groups = (row.taps.size() + kPixelsPerBlend - 1) / kPixelsPerBlend;
  row.taps.resize(groups * kPixelsPerBlend, row.taps.back());
  row.keep.resize(groups);
  row.take.resize(groups);
  for (size_t i = 0; i < row.taps.size(); ++i) {
    for (int channel = 0; channel < 4; ++channel) {
      const size_t lane = i % kPixelsPerBlend * 4 + static_cast<size_t>(channel);
      row.take[i / kPixelsPerBlend][lane] = row.taps[i].weight;
      row.keep[i / kPixelsPerBlend][lane] = static_cast<uint16_t>(256 - row.taps[i].weight);
    }
  }
  return row;
}

// Paints the image enlarged to size at topLeft by bilinear interpolation: each source row is widened
// once, then every target row blends the two widened rows about it, four pixels at a time, into a band
// of rows small enough to stay in the processor's cache on its way to the painter: a third of the
// CPU of Qt's smooth transform, which spends 8 ms of a frame on the presentation's 1080 x 1080
// picture. The scratch and the taps are kept from frame to frame, so a running presentation makes no
// new image each frame.
void PaintEnlarged(QPainter& painter, const QPoint& topLeft, const TFastDIB& image, const QSize& size) {
  constexpr int kBandRows = 16;
  thread_local std::vector<uint32_t> widened;
  thread_local QImage band;
  thread_local QSize tapsFrom;  // the source size the taps were made for
  thread_local TRowTaps across;
  thread_local std::vector<TTap> down;
  const int width = size.width();
  if (tapsFrom != QSize(image.Width(), image.Height()) || static_cast<int>(down.size()) != size.height() ||
      band.width() != width) {
    across = RowTaps(image.Width(), width);
    down = Taps(image.Height(), size.height());
    tapsFrom = QSize(image.Width(), image.Height());
    band = QImage(width, kBandRows, QImage::Format_RGB32);
  }
  // Widened rows are padded to whole groups of four pixels, so the blends never stop short.
  const size_t stride = across.taps.size();
  widened.resize(stride * static_cast<size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y) {
    const auto* source = reinterpret_cast<const uint32_t*>(image.Row(y));
    uint32_t* row = widened.data() + static_cast<size_t>(y) * stride;
    for (size_t x = 0; x < stride; x += kPixelsPerBlend) {
      const TTap* taps = &across.taps[x];
      // Gathered as a vector of four pixels, not through memory, where the four stores would stall
      // the load of all four.
      const TPixels first{source[taps[0].first], source[taps[1].first], source[taps[2].first],
                          source[taps[3].first]};
      const TPixels next{source[taps[0].next], source[taps[1].next], source[taps[2].next],
                         source[taps[3].next]};
      const size_t group = x / kPixelsPerBlend;
      StorePixels(row + x, Blend(std::bit_cast<TPixelBytes>(first), std::bit_cast<TPixelBytes>(next),
                                 across.keep[group], across.take[group]));
    }
  }
  const size_t whole = static_cast<size_t>(width) / kPixelsPerBlend * kPixelsPerBlend;
  for (int bandTop = 0; bandTop < size.height(); bandTop += kBandRows) {
    const int rows = std::min(kBandRows, size.height() - bandTop);
    for (int y = 0; y < rows; ++y) {
      const TTap& tap = down[static_cast<size_t>(bandTop + y)];
      const uint32_t* upper = widened.data() + static_cast<size_t>(tap.first) * stride;
      const uint32_t* lower = widened.data() + static_cast<size_t>(tap.next) * stride;
      auto* row = reinterpret_cast<uint32_t*>(band.scanLine(y));
      const TChannelLanes take = TChannelLanes{} + tap.weight;
      const TChannelLanes keep = TChannelLanes{} + static_cast<uint16_t>(256 - tap.weight);
      for (size_t x = 0; x < whole; x += kPixelsPerBlend)
        StorePixels(row + x, Blend(LoadPixels(upper + x), LoadPixels(lower + x), keep, take));
      if (whole < static_cast<size_t>(width)) {
        // The last pixels of a width that is no multiple of four, blended in a group of their own.
        uint32_t last[kPixelsPerBlend];
        StorePixels(last, Blend(LoadPixels(upper + whole), LoadPixels(lower + whole), keep, take));
        std::copy_n(last, static_cast<size_t>(width) - whole, row + whole);
      }
    }
    painter.drawImage(topLeft + QPoint(0, bandTop), band, QRect(0, 0, width, rows));
  }
}

}  // namespace

void PaintDib(QPainter& painter, const QRect& target, const TFastDIB& image) {
  if (image.IsEmpty() || target.isEmpty()) return;
  painter.drawImage(target, WrapDib(image));
}

QRect FittedRect(const QRect& area, const TFastDIB& image) {
  if (image.IsEmpty() || area.isEmpty()) return {};
  const QSize size = QSize(image.Width(), image.Height()).scaled(area.size(), Qt::KeepAspectRatio);
  return QRect(
      area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

void PaintFitted(QPainter& painter, const QRect& area, const TFastDIB& image) {
  const QRect target = FittedRect(area, image);
  if (target != area) {
    QRegion bars(area);
    bars -= target;
    for (const QRect& bar : bars)
      painter.fillRect(bar, Qt::black);
  }
  const bool enlarging = target.width() > image.Width() && target.height() > image.Height();
  if (enlarging && painter.testRenderHint(QPainter::SmoothPixmapTransform)) {
    PaintEnlarged(painter, target.topLeft(), image, target.size());
    return;
  }
  PaintDib(painter, target, image);
}

QImage DibToImage(const TFastDIB& image) {
  if (image.IsEmpty()) return {};
  return WrapDib(image).copy();
}

}  // namespace wavora
