#pragma once

#include "sim/scene_drawing.h"
#include "sim/tool.h"

namespace wavora {

// Measures the distance between its two handles in millimetres (one cell is one millimetre) and
// shows it beside its middle. Takes no samples of the field.
class TRuler : public TBaseTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  int32_t HandleKind() const override { return 2; }
  void HandlesMoved() override;
  bool HitBody(int32_t x, int32_t y) const override;
  void Draw(TFastDIB& image) override;
  std::vector<TToolReading> Readings() const override;
  std::string ReadOut() const override;

  // Length in cells between the handle cells.
  float Length() const { return length_; }

 private:
  float length_ = 0;
  TLabelBox label_;
};

}  // namespace wavora
