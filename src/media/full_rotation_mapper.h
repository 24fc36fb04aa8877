#pragma once

#include <optional>

#include "media/boundary_theory.h"
#include "media/line_mapper.h"
#include "sim/pointer.h"

namespace wavora {

// A line that crosses the whole tank, painted row by row by the concrete class (PaintRow). Mode 0
// ("Accurate") runs it through the end handles 1 and 2; the quick modes run it through handle 3 at
// right angles to the direction from a pivot near the left edge, level with the wave source, so the
// line always faces the source. Mode 2 is the quick mode with the other side flag.
class TBasicFullRotationRIMapper : public TBasicLineRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Mode 1, handle 3 at 50 %, 50 %.
  void Init() override;
  // Lays the handles out, then puts the pivot at column 6, half way up.
  void GeometryChanged() override;
  void MapToWater() override;
  // The handles, the pivot while handle 3 is held in a quick mode; then follows the source's row,
  // re-aiming a quick line when it moved.
  void Draw(TFastDIB& image) override;
  int32_t HandleKind() const override { return IsQuick() ? 4 : 2; }
  // A quick line depends on where the source stands, so the field waits while the source is dragged.
  bool RunWhileSourceDragged() const override { return !IsQuick(); }

  int32_t GetMode() const { return mode_; }
  // Stores the mode and re-maps. Modes other than 0 and 2 behave as mode 1.
  void SetMode(int32_t value);
  TPoint Pivot() const { return pivot_; }
  // Where the ray from the tank's source to the middle of the line as the last pass laid it (a beam's
  // or line's along their axis) meets the line, with the wave speeds either side; none without a
  // source or when the ray runs away from the line.
  std::optional<TBoundaryMeeting> SourceMeeting(const TWater& tank) const;

  // Paints the line's cell x of this row; previousX is its cell in previousRow, the row below.
  virtual void PaintRow(int32_t x, int32_t row, bool side, int32_t previousRow, int32_t previousX);
  // Whether the pivot's row follows the tank's source row.
  virtual bool FollowsSourceRow() const { return true; }

 protected:
  bool IsQuick() const { return mode_ != 0; }

 private:
  // Handle 3 to the midpoint of the end handles, where a switch to a quick mode starts.
  void CentreHandle3();
  // The end handles 50 cells either side of handle 3 along a quick line of slope k, ordered so that
  // the accurate mode keeps the quick mode's side.
  void PlaceEndHandles(double k);
  // The line as the last pass laid it: its middle and its unit direction.
  TTheoryPoint LineMiddle() const;
  TTheoryPoint LineDirection() const;

  int32_t mode_ = 1;
  TPoint pivot_;
};

}  // namespace wavora
