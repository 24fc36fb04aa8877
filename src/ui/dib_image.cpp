#include "ui/dib_image.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace wavora {

namespace {

// Blends two pixels of the screen's format, b with weight w of 256 and a with the rest, two channels
// at a time: each 8-bit channel in a 16-bit lane has room for its value times 256.
inline uint32_t Blend(uint32_t a, uint32_t b, uint32_t w) {
  constexpr uint32_t kPairs = 0x00FF00FF;
  constexpr uint32_t kHalf = 0x00800080;  // rounds each lane to the nearest level
  const uint32_t redBlue = (((a & kPairs) * (256 - w) + (b & kPairs) * w + kHalf) >> 8) & kPairs;
  const uint32_t alphaGreen = (((a >> 8) & kPairs) * (256 - w) + ((b >> 8) & kPairs) * w + kHalf) & ~kPairs;
  return redBlue | alphaGreen;
}

// Where each of target pixels takes its colour among source pixels: between pixel first and the next
// (the last pixel at the edge), next weighted 0 ... 256, with the pixel centres lined up.
struct TTap {
  int first = 0;
  int next = 0;
  uint32_t weight = 0;
};

std::vector<TTap> Taps(int source, int target) {
  std::vector<TTap> taps(static_cast<size_t>(target));
  for (int i = 0; i < target; ++i) {
    const double at = std::clamp((i + 0.5) * source / target - 0.5, 0.0, source - 1.0);
    TTap& tap = taps[static_cast<size_t>(i)];
    tap.first = static_cast<int>(at);
    tap.next = std::min(tap.first + 1, source - 1);
    tap.weight = static_cast<uint32_t>(std::lround((at - tap.first) * 256));
  }
  return taps;
}

// The image enlarged to size by bilinear interpolation: each source row is widened once, then every
// target row blends the two widened rows about it: half the CPU of Qt's smooth transform, which
// spends 8 ms of a frame on the presentation's 1080 x 1080 picture. The scratch and
// the taps are kept from frame to frame, so a running presentation makes no new 5 MB image each frame.
const QImage& Enlarged(const TFastDIB& image, const QSize& size) {
  thread_local std::vector<uint32_t> widened;
  thread_local QImage enlarged;
  thread_local QSize tapsFrom;  // the source size the taps were made for
  thread_local std::vector<TTap> across;
  thread_local std::vector<TTap> down;
  const int width = size.width();
  if (tapsFrom != QSize(image.Width(), image.Height()) || enlarged.size() != size) {
    across = Taps(image.Width(), width);
    down = Taps(image.Height(), size.height());
    tapsFrom = QSize(image.Width(), image.Height());
    enlarged = QImage(size, QImage::Format_RGB32);
  }
  widened.resize(static_cast<size_t>(width) * static_cast<size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y) {
    const auto* source = reinterpret_cast<const uint32_t*>(image.Row(y));
    uint32_t* row = widened.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    for (int x = 0; x < width; ++x) {
      const TTap& tap = across[static_cast<size_t>(x)];
      row[x] = Blend(source[tap.first], source[tap.next], tap.weight);
    }
  }
  for (int y = 0; y < size.height(); ++y) {
    const TTap& tap = down[static_cast<size_t>(y)];
    const uint32_t* upper = widened.data() + static_cast<size_t>(tap.first) * static_cast<size_t>(width);
    const uint32_t* lower = widened.data() + static_cast<size_t>(tap.next) * static_cast<size_t>(width);
    auto* row = reinterpret_cast<uint32_t*>(enlarged.scanLine(y));
    for (int x = 0; x < width; ++x)
      row[x] = Blend(upper[x], lower[x], tap.weight);
  }
  return enlarged;
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
    painter.drawImage(target.topLeft(), Enlarged(image, target.size()));
    return;
  }
  PaintDib(painter, target, image);
}

QImage DibToImage(const TFastDIB& image) {
  if (image.IsEmpty()) return {};
  return WrapDib(image).copy();
}

}  // namespace wavora
