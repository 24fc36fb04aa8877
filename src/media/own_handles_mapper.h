#pragma once

#include <cstdint>
#include <vector>

#include "sim/ri_map.h"

namespace wavora {

// A medium with one medium value n whose handles are its own (handle kind 7): it places, hit-tests
// and drags them itself, and lays them out from their percentages without snapping. A press that
// takes a handle holds it until the release; every move meanwhile drags it.
class TOwnHandlesRIMapper : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int32_t HandleKind() const override { return 7; }
  // The extents first, then the handle points.
  void GeometryChanged() override;
  void KeepPlace() override;
  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) final;
  void MouseMove(TShiftState shift, int32_t X, int32_t Y) final;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) final;
  bool HoldsHandle() const { return held_; }
  std::vector<TPoint> HandlePoints() const override { return Handles(); }
  // Every handle of Handles in the handle colour.
  void Draw(TFastDIB& image) override;

 protected:
  // A length of the object's own in cells (a side of the block, the lens's focal length), kept as a
  // percentage of the tank's width, or its height, as the handle points are.
  struct TExtent {
    enum TSide { Width, Height };
    explicit TExtent(TSide along) : side(along) {}

    TSide side;
    TPercentPlace place;
    int32_t cells = 0;
  };

  // The object's extents, laid out on every new grid and kept when the grid goes.
  virtual std::vector<TExtent*> Extents() { return {}; }
  float ExtentPercent(const TExtent& extent) const { return extent.place.Get(extent.cells, SideOf(extent)); }
  // Stores the percentage; the cells follow at once while there is a grid.
  void SetExtentPercent(TExtent& extent, float value);

  // The handles' cells, in drawing order.
  virtual std::vector<TPoint> Handles() const = 0;
  // Whether a press at image position (X, Y) takes a handle; the object notes which.
  virtual bool TakeHandle(int32_t X, int32_t Y) = 0;
  // The held handle follows the pointer at image position (X, Y).
  virtual void DragHandle(int32_t X, int32_t Y) = 0;
  // Whether taking a handle selects the object (Ctrl keeps the others selected).
  virtual bool SelectsOnTake() const { return true; }

 private:
  int32_t SideOf(const TExtent& extent) const { return extent.side == TExtent::Height ? H() : W(); }

  bool held_ = false;
};

}  // namespace wavora
