#pragma once

#include "media/line_mapper.h"

namespace wavora {

// A curved mirror set by two handles: handle 1 the focus, handle 2 the vertex (the middle of the
// mirror). MirrorType 2 is a circular arc, 3 a parabola; the quick types 0 and 1 belong to
// TCurvedMirror, and types outside 0 ... 3 draw no mirror.
class TCurvedMirrorLine : public TBasicLineRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Handle 1 at 33 %, 50 %; handle 2 at 75 %, 50 %; MirrorType 0.
  void Init() override;
  void MapToWater() override;
  // The accurate types: the vertex handle, an arrowhead at the focus and the line between them.
  void Draw(TFastDIB& image) override;
  // Releasing a handle maps again, now clearing the wave in the mirror's cells.
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  int32_t HandleKind() const override { return 5; }
  // The mirror has no medium value and no panel of its own.
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override { return nullptr; }

  // The accurate types: the focus the law puts half way to the circle's centre, or the parabola's
  // focus, and for a point source its image.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;

  int32_t GetMirrorType() const { return mirrorType_; }
  // A different type is stored and mapped at once.
  void SetMirrorType(int32_t value);

 protected:
  bool IsAccurate() const { return mirrorType_ == 2 || mirrorType_ == 3; }
  bool IsQuick() const { return mirrorType_ == 0 || mirrorType_ == 1; }
  // The distance between handles 1 and 2.
  double FocalLength() const;

 private:
  int32_t mirrorType_ = 0;
};

}  // namespace wavora
