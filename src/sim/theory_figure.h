#pragma once

#include <string>
#include <vector>

namespace wavora {

class TWater;

// What physics predicts for an experiment, as a figure drawn over the tank: lines (rays, directions,
// shadow edges), marks (a focus, an image), circles (a front after the time run so far) and labels
// (the predicted angle or position, in the panel's units). Coordinates are grid cells with y upward,
// as the objects keep their handles.
struct TTheoryLine {
  double x1, y1, x2, y2;
  bool dashed = false;  // a construction line (a normal, a boundary's continuation), not a prediction
};
struct TTheoryMark {
  double x, y;
};
struct TTheoryCircle {
  double x, y, radius;
};
struct TTheoryLabel {
  double x, y;
  std::string text;
};

struct TTheoryFigure {
  std::vector<TTheoryLine> lines;
  std::vector<TTheoryMark> marks;
  std::vector<TTheoryCircle> circles;
  std::vector<TTheoryLabel> labels;
};

}  // namespace wavora
