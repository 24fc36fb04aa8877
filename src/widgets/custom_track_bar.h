#pragma once

#include <QAbstractSlider>

namespace wavora {

// A flat slider: a thin groove filled up to a round thumb, with tick marks every Frequency steps (and at
// the maximum). Horizontal bars run from Min at the left, vertical ones from Min at the top. Pressing the
// groove moves the thumb there; the thumb can be dragged, and the keyboard and wheel step it.
class TCustomTrackBar : public QAbstractSlider {
  Q_OBJECT

 public:
  explicit TCustomTrackBar(QWidget* parent = nullptr);

  int Min() const { return minimum(); }
  void SetMin(int min) { setMinimum(min); }
  int Max() const { return maximum(); }
  void SetMax(int max) { setMaximum(max); }
  int Position() const { return value(); }
  void SetPosition(int position) { setValue(position); }
  // Steps between tick marks; 0 draws none.
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  void SetHint(const QString& hint) { setToolTip(hint); }

  // Position the bar shows at a point of the widget (clamped to the range).
  int PositionAt(const QPoint& point) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // Whenever the position changes, from the user or from code.
  void Change(int position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool Horizontal() const { return orientation() == Qt::Horizontal; }
  // The groove's extent along the bar's axis, in widget pixels.
  int AxisStart() const;
  int AxisLength() const;
  double AxisPos(int position) const;
  QPointF ThumbCentre() const;

  int frequency_ = 1;
  double grabOffset_ = 0.0;  // pointer minus thumb centre along the axis while dragging
};

}  // namespace wavora
