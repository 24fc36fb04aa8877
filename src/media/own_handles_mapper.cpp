#include "media/own_handles_mapper.h"

#include "sim/scene_drawing.h"

namespace wavora {

const TClassInfo& TOwnHandlesRIMapper::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TOwnHandlesRIMapper>("TOwnHandlesRIMapper", &TBaseRIControlRIMapper::StaticClassInfo())
          .Abstract()
          .Build();
  return info;
}

void TOwnHandlesRIMapper::GeometryChanged() {
  for (TExtent* extent : Extents())
    extent->cells = extent->place.LayOut(SideOf(*extent));
  // A file may turn Snap_to_Grid on; the object's own handles are placed freely all the same.
  const bool snap = GetSnapToGrid();
  SetSnapToGrid(false);
  TBaseRIControlRIMapper::GeometryChanged();
  SetSnapToGrid(snap);
}

void TOwnHandlesRIMapper::KeepPlace() {
  TBaseRIControlRIMapper::KeepPlace();
  for (TExtent* extent : Extents())
    extent->place.Keep(extent->cells, SideOf(*extent));
}

void TOwnHandlesRIMapper::SetExtentPercent(TExtent& extent, float value) {
  const int32_t cells = extent.place.Set(value, SideOf(extent));
  if (Grid()) extent.cells = cells;
}

void TOwnHandlesRIMapper::MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X,
                                    int32_t Y) {
  TBaseRIControlRIMapper::MouseDown(button, shift, handled, X, Y);
  held_ = TakeHandle(X, Y);
  if (!held_) return;
  handled = true;
  if (SelectsOnTake()) Select(shift.ctrl);
}

void TOwnHandlesRIMapper::MouseMove(TShiftState, int32_t X, int32_t Y) {
  if (held_) DragHandle(X, Y);
}

void TOwnHandlesRIMapper::MouseUp(TMouseButton, TShiftState, int32_t, int32_t) {
  held_ = false;
}

void TOwnHandlesRIMapper::Draw(TFastDIB& image) {
  for (const TPoint handle : Handles())
    DrawHandle(image, handle.x, handle.y, HandleColour());
}

}  // namespace wavora
