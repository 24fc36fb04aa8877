#pragma once

#include "sim/scene_drawing.h"
#include "sim/tool.h"

namespace wavora {

// Measures the counter-clockwise angle from its second arm (vertex to handle 3) to its first arm
// (vertex to handle 1) in degrees, 0 to 360. Handle 2 is the vertex. Takes no samples of the field.
class TProtractor : public TBaseTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  int32_t HandleKind() const override { return 3; }
  void HandlesMoved() override;
  bool HitBody(int32_t x, int32_t y) const override;
  void Draw(TFastDIB& image) override;
  std::vector<TToolReading> Readings() const override;
  std::string ReadOut() const override;

  float Angle() const { return angle_; }

  // Polar angle of p seen from the vertex, counter-clockwise from +x, in (0, 2π]; a point straight
  // to the right gives 2π. A point on the vertex has no direction and gives 0.
  static double Direction(TPoint p, TPoint vertex);
  // The angle in degrees from the direction a3 to the direction a1, counter-clockwise, 0 ... 360.
  static double AngleDegrees(double a1, double a3);

 private:
  void DrawGuides(TFastDIB& image, TPoint armEnd) const;

  float angle_ = 0;
  TLabelBox label_;
};

}  // namespace wavora
