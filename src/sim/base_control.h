#pragma once

#include <cstdint>
#include <vector>

#include "image/colour.h"
#include "sim/scene_object.h"

namespace wavora {

// A scene object with up to three draggable handle points, kept as whole cells and saved as
// percentages of the tank, with a handle layout ("kind"), an optional 16-cell snap grid and
// selection.
//
// Kinds (low 7 bits of HandleKind): 0 none; 1 point 1; 2 points 1 and 2 with the segment between
// as body; 3 points 1 and 3 around centre point 2; 4 point 3; 5 point 1 around anchor point 2 with
// the segment as body; 6 none; 7 the object handles its own pointer events.
class TBaseControl : public TBaseWaterObject {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void GeometryChanged() override;
  void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y) override;
  // The handles of kinds 1, 2 and 4 (and the segment of kind 2); other kinds draw themselves.
  void Draw(TFastDIB& image) override;

  bool GetSnapToGrid() const { return snapToGrid_; }
  void SetSnapToGrid(bool value) { snapToGrid_ = value; }
  bool GetActiveTool() const { return activeTool_; }
  void SetActiveTool(bool value) { activeTool_ = value; }

  // Percentages are what the user set or left: laying the object out on another tank shape moves its
  // cells but keeps them, so a shape changed and back saves the same numbers. A handle the object
  // placed itself (a mirror's ends in a quick mode, a barrier's foot) reports its cell's percentage,
  // as the object places it again from the rest. Setters store the percentage and move the cell.
  float GetX1Percent() const { return x1_.Get(X1, W()); }
  float GetY1Percent() const { return y1_.Get(Y1, H()); }
  float GetX2Percent() const { return x2_.Get(X2, W()); }
  float GetY2Percent() const { return y2_.Get(Y2, H()); }
  float GetX3Percent() const { return x3_.Get(X3, W()); }
  float GetY3Percent() const { return y3_.Get(Y3, H()); }
  void SetX1Percent(float value) { SetPercent(x1_, X1, value, W()); }
  virtual void SetY1Percent(float value) { SetPercent(y1_, Y1, value, H()); }
  void SetX2Percent(float value) { SetPercent(x2_, X2, value, W()); }
  void SetY2Percent(float value) { SetPercent(y2_, Y2, value, H()); }
  void SetX3Percent(float value) { SetPercent(x3_, X3, value, W()); }
  void SetY3Percent(float value) { SetPercent(y3_, Y3, value, H()); }
  // Handles moved away from where they were laid out take the percentages of their cells.
  void KeepPlace() override;

  TPoint Point1() const { return {X1, Y1}; }
  TPoint Point2() const { return {X2, Y2}; }
  TPoint Point3() const { return {X3, Y3}; }

  // Selects this object; unless keepOthers, every other TBaseControl of the same parent is deselected.
  virtual void Select(bool keepOthers);
  virtual TColour HandleColour() const;
  virtual int32_t HandleKind() const { return 0; }
  // After any change of the cell positions.
  virtual void HandlesMoved() {}
  virtual int32_t MinHandleDistanceSquared() const { return 100; }
  // Whether grid position (x, y) lies on the object's body (beyond what the handle kind covers).
  virtual bool HitBody(int32_t x, int32_t y) const;
  virtual void Activate() { Select(false); }
  bool IsDragging() const { return heldH1_ || heldH2_ || heldH3_ || heldBody_; }
  // Whether handle 1 or handle 3 alone is being dragged.
  bool HoldsHandle1() const { return heldH1_; }
  bool HoldsHandle3() const { return heldH3_; }
  bool HasHandles() const;
  // The handle cells a user can pick from the keyboard, in order: the points the kind lets a press
  // take (a centre point 2 of kind 3 takes the body). Objects with handles of their own name theirs.
  virtual std::vector<TPoint> HandlePoints() const;
  // Whether the tank selects this object when it is added.
  virtual bool ActivatedWhenAdded() const { return true; }
  // Cell of a percentage along a side of n cells: round((n - 11) * p / 100 + 5), so 0 % is cell 5 and
  // 100 % is cell n - 6. Kept inside the side, so no file value can place a handle off the grid.
  static int32_t CellFromPercent(float percent, int32_t n);
  // (c - 5) * 100 / (n - 11) in single precision; an exact 0 is reported as 0.000001.
  static float PercentFromCell(int32_t cell, int32_t n);
  // offset + 16 * round((v - offset) / 16), moved one line inward when it falls below 5 or above n - 5.
  static int32_t Snap(int32_t v, int32_t offset, int32_t n);
  TPoint SnapPlain(TPoint p) const;
  // Snapped to the grid lines through the anchor.
  TPoint SnapRelative(TPoint p, TPoint anchor) const;
  // Each coordinate into [m + 1, N - 1 - m].
  TPoint Clamp(TPoint p, int32_t margin) const;
  // m <= x <= W - 1 - m and m <= y <= H - 1 - m.
  bool Inside(TPoint p, int32_t margin) const;

 protected:
  int32_t Kind() const { return HandleKind() & 0x7F; }
  void SetPoint1(TPoint p) { X1 = p.x, Y1 = p.y; }
  void SetPoint2(TPoint p) { X2 = p.x, Y2 = p.y; }
  void SetPoint3(TPoint p) { X3 = p.x, Y3 = p.y; }

  // A coordinate or an extent saved as a percentage of a side of n cells, and the cell it was last
  // laid out at: the percentage changes only when the cell is moved away from there.
  struct TPercentPlace {
    float percent = 0;
    int32_t laidOut = 0;
    // The cell of a new percentage.
    int32_t Set(float value, int32_t n) {
      percent = value;
      return laidOut = CellFromPercent(value, n);
    }
    int32_t LayOut(int32_t n) { return laidOut = CellFromPercent(percent, n); }
    // The stored percentage while the cell lies where it was laid out (or there is no side of more
    // than 11 cells to measure on), else the cell's.
    float Get(int32_t cell, int32_t n) const {
      return n <= 11 || cell == laidOut ? percent : PercentFromCell(cell, n);
    }
    void Keep(int32_t cell, int32_t n) {
      percent = Get(cell, n);
      if (n > 11) laidOut = cell;
    }
  };

  // Handle cells, grid coordinates.
  int32_t X1 = 0, X2 = 0, X3 = 0;
  int32_t Y1 = 0, Y2 = 0, Y3 = 0;

 private:
  void SetPercent(TPercentPlace& place, int32_t& cell, float value, int32_t n);
  void MoveBody(int32_t dx, int32_t dy);

  bool snapToGrid_ = true;
  TPoint grab_;
  bool activeTool_ = false;
  TPercentPlace x1_, x2_, x3_;
  TPercentPlace y1_, y2_, y3_;
  bool heldH1_ = false, heldH2_ = false, heldH3_ = false, heldBody_ = false;
};

}  // namespace wavora
