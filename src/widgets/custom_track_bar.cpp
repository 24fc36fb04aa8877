#include "widgets/custom_track_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "widgets/focus_mark.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

constexpr double kThumbRadius = 7.0;
constexpr int kMargin = 9;  // from the widget's ends to the groove's ends: room for the thumb
constexpr double kGrooveWidth = 4.0;
constexpr int kTickLength = 4;
constexpr int kTickGap = 10;  // from the groove's centre line to the ticks

}  // namespace

TCustomTrackBar::TCustomTrackBar(QWidget* parent) : QAbstractSlider(parent) {
  setOrientation(Qt::Horizontal);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  setRange(0, 10);
  connect(this, &QAbstractSlider::valueChanged, this, &TCustomTrackBar::Change);
}

void TCustomTrackBar::SetFrequency(int frequency) {
  frequency_ = std::max(0, frequency);
  update();
}

QSize TCustomTrackBar::sizeHint() const {
  return Horizontal() ? QSize(120, 30) : QSize(30, 120);
}

QSize TCustomTrackBar::minimumSizeHint() const {
  return Horizontal() ? QSize(40, 22) : QSize(22, 40);
}

int TCustomTrackBar::AxisStart() const {
  return kMargin;
}

int TCustomTrackBar::AxisLength() const {
  return std::max(1, (Horizontal() ? width() : height()) - 2 * kMargin - 1);
}

double TCustomTrackBar::AxisPos(int position) const {
  const double span = double(maximum()) - minimum();
  const double fraction = span > 0 ? (double(position) - minimum()) / span : 0.0;
  return AxisStart() + fraction * AxisLength();
}

QPointF TCustomTrackBar::ThumbCentre() const {
  const bool ticks = frequency_ > 0;
  // With ticks the groove moves up (or left) a little so that groove and ticks together stay centred.
  const double across = (Horizontal() ? height() : width()) / 2.0 - (ticks ? 3.0 : 0.0);
  const double along = AxisPos(sliderPosition());
  return Horizontal() ? QPointF(along, across) : QPointF(across, along);
}

int TCustomTrackBar::PositionAt(const QPoint& point) const {
  const double along = (Horizontal() ? point.x() : point.y()) - grabOffset_;
  const double fraction = std::clamp((along - AxisStart()) / AxisLength(), 0.0, 1.0);
  return minimum() + static_cast<int>(std::lround(fraction * (double(maximum()) - minimum())));
}

void TCustomTrackBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || maximum() == minimum()) {
    event->ignore();
    return;
  }
  const QPointF pos = event->position();
  const QPointF thumb = ThumbCentre();
  // A press on the thumb keeps the grab point under the pointer; elsewhere the thumb jumps there.
  const bool onThumb = std::hypot(pos.x() - thumb.x(), pos.y() - thumb.y()) <= kThumbRadius + 2.0;
  grabOffset_ = onThumb ? (Horizontal() ? pos.x() - thumb.x() : pos.y() - thumb.y()) : 0.0;
  setSliderDown(true);
  setSliderPosition(PositionAt(pos.toPoint()));
  event->accept();
}

void TCustomTrackBar::mouseMoveEvent(QMouseEvent* event) {
  if (!isSliderDown()) {
    event->ignore();
    return;
  }
  setSliderPosition(PositionAt(event->position().toPoint()));
}

void TCustomTrackBar::mouseReleaseEvent(QMouseEvent* event) {
  if (!isSliderDown()) {
    event->ignore();
    return;
  }
  setSliderPosition(PositionAt(event->position().toPoint()));
  setSliderDown(false);
  grabOffset_ = 0.0;
}

void TCustomTrackBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const bool enabled = isEnabled();
  const QPointF thumb = ThumbCentre();
  const double across = Horizontal() ? thumb.y() : thumb.x();
  auto point = [this](double along, double acrossPos) {
    return Horizontal() ? QPointF(along, acrossPos) : QPointF(acrossPos, along);
  };

  const double start = AxisStart();
  const double end = AxisStart() + AxisLength();
  const double thumbAlong = Horizontal() ? thumb.x() : thumb.y();
  painter.setPen(QPen(QColor(WidgetColours().groove), kGrooveWidth, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(point(start, across), point(end, across));
  painter.setPen(QPen(QColor(enabled ? WidgetColours().accent : WidgetColours().tick), kGrooveWidth,
                      Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(point(start, across), point(thumbAlong, across));

  if (frequency_ > 0 && maximum() > minimum()) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(WidgetColours().tick), 1));
    const int tickFrom = static_cast<int>(std::lround(across)) + kTickGap;
    auto tick = [&](int position) {
      const int along = static_cast<int>(std::lround(AxisPos(position)));
      painter.drawLine(point(along, tickFrom).toPoint(), point(along, tickFrom + kTickLength - 1).toPoint());
    };
    // Long ranges with dense ticks would paint a solid bar; skip ticks closer than 3 pixels.
    const long long count = (static_cast<long long>(maximum()) - minimum()) / frequency_;
    if (count <= AxisLength() / 3) {
      for (long long i = 0; i <= count; ++i)
        tick(static_cast<int>(minimum() + i * frequency_));
    }
    tick(maximum());
    painter.setRenderHint(QPainter::Antialiasing);
  }

  QColor fill(WidgetColours().face);
  QColor border(WidgetColours().border);
  if (!enabled) {
    fill = QColor(WidgetColours().window);
  } else if (isSliderDown()) {
    fill = QColor(WidgetColours().accentSoft);
    border = QColor(WidgetColours().accent);
  } else if (underMouse() || ShowsKeyboardFocus(*this)) {
    border = QColor(WidgetColours().accent);
  }
  painter.setPen(QPen(border, 1.5));
  painter.setBrush(fill);
  painter.drawEllipse(thumb, kThumbRadius, kThumbRadius);
}

}  // namespace wavora
