#pragma once

#include "media/curved_mirror_line.h"
#include "sim/pointer.h"

namespace wavora {

// The "Curved Mirror" experiment. Besides the accurate types of TCurvedMirrorLine it has two quick
// types set by handle 3 alone: 0 a circular arc, 1 a parabola. Left of the tank's 9/16 line handle 3
// makes the mirror concave towards the left side, right of it convex; the further from that line, the
// stronger the curve. Every pass also moves the handles the current type does not show, so a switch
// between quick and accurate starts from the same mirror.
class TCurvedMirror : public TCurvedMirrorLine {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Handle 3 at 25 %, 50 %.
  void Init() override;
  void MapToWater() override;
  // The quick types: handle 3 and a grey dot at the focus.
  void Draw(TFastDIB& image) override;
  int32_t HandleKind() const override { return GetMirrorType() >= 2 ? 5 : 4; }
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;

  // The quick types: the focus the law puts on the mirror's real curve (R / 2 from the arc's vertex,
  // the parabola's own focus), virtual behind a convex mirror; the accurate types as the base.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

  // The focus of the last quick shape.
  TPoint Focus() const { return focus_; }

 private:
  void MapQuickArc();
  void MapQuickParabola();
  // Handle 3 where a quick mirror of the accurate mirror's focal length would put it.
  void PlaceHandle3();

  TPoint focus_;
  // The last quick shape's vertex column and its focal length, negative when convex.
  double quickVertexX_ = 0;
  double quickFocalLength_ = 0;
};

}  // namespace wavora
