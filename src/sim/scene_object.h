#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/node.h"
#include "sim/control_panel_model.h"
#include "sim/list_menu_entry.h"
#include "sim/pointer.h"
#include "sim/text_language.h"
#include "sim/theory_figure.h"
#include "sim/water_grid.h"

namespace wavora {

class TFastDIB;
class TWater;

// Every object placed in a tank: a node that shares the tank's grid, has a process-unique
// identifier, may write into the grid, draws over the tank image and takes pointer events.
class TBaseWaterObject : public TXMLNode {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  // A scene object added below another one shares its grid and gets a new identifier.
  int add(const iXMLNode& node) override;

  int32_t GetUniqueID() const { return uniqueID_; }
  void SetUniqueID(int32_t value) { uniqueID_ = value; }

  // Shares the grid, records its size, lays the object out again, then does the same for every scene
  // object below this one.
  void AttachGrid(const TWaterGridRef& grid, int32_t width, int32_t height);
  // Keeps the place, then lets go of the grid (0 x 0 from then on), for this object and every scene
  // object below it: an object that waits outside a tank neither holds nor writes the tank's cells.
  void DetachGrid();
  const TWaterGridRef& Grid() const { return grid_; }
  int32_t W() const { return W_; }
  int32_t H() const { return H_; }
  // The tank this object sits in directly, or none.
  TWater* Tank() const;

  // Class-level texts of the object's class.
  const std::string& TypeName() const { return ClassInfo().TypeName(); }
  const std::string& TypeDescription() const { return ClassInfo().TypeDescription(); }

  // How the window's object list shows the object: its name (in the language spoken), the index of its
  // picture in the list of its kind (media, tools, source shapes; -1 for none) and the entries of the item's
  // popup menu.
  virtual std::string ListName() const { return std::string(TranslatedText(TypeName())); }
  virtual int ListImageIndex() const { return -1; }
  virtual std::vector<TListMenuEntry> ListMenuEntries() { return {}; }

  // The whole grid back to the open tank with its absorbing border; the field is untouched.
  virtual void ResetMedium();
  // The grid was attached or replaced.
  virtual void GeometryChanged() {}
  // Writes the object's medium into the grid.
  virtual void MapToWater() {}
  // Pointer events in image coordinates (Y downward).
  virtual void MouseDown(TMouseButton button, TShiftState shift, bool& handled, int32_t X, int32_t Y);
  virtual void MouseMove(TShiftState shift, int32_t X, int32_t Y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y);
  // A new panel bound to this object, or none; the caller owns it.
  virtual std::unique_ptr<TControlPanelModel> CreateControlPanel();
  virtual void Draw(TFastDIB& image);
  // Adds what physics predicts for this object in its tank (the tank's source, its settings and the
  // time run so far) to the figure the theory overlay draws; nothing by default.
  virtual void AddTheory(const TWater& tank, TTheoryFigure& figure) const {
    (void)tank;
    (void)figure;
  }
  // The tank's field was cleared.
  virtual void Reset() {}
  // The user moved the object: where it now lies becomes what it saves and where it returns to when it
  // is laid out again (another tank shape, a medium chosen again).
  virtual void KeepPlace() {}

  // Questions the frame loop and the main window ask instead of testing for classes.
  // Whether the tank stops stepping while the user drags this object.
  virtual bool FreezesFieldWhileDragged(const TWater& tank) const;
  // Whether the user may delete this object from its tank.
  virtual bool CanBeDeleted() const { return true; }

  // Hit tests in grid coordinates.
  // (x - Px)^2 + (y - Py)^2 < 36.
  static bool NearPoint(int32_t x, int32_t y, TPoint p);
  // Near the foot of the perpendicular from (x, y) on the line through A and B, inside the segment's
  // bounding box grown by 4 cells.
  static bool NearSegment(int32_t x, int32_t y, TPoint a, TPoint b);
  static bool HitTwoPoints(int32_t x, int32_t y, TPoint a, TPoint b, bool& heldA, bool& heldB,
                           bool& heldBody);
  // P2 is the centre: it is never held alone, only as part of the body.
  static bool HitThreePoints(int32_t x, int32_t y, TPoint p1, TPoint p2, TPoint p3, bool& held1, bool& held2,
                             bool& held3, bool& heldBody);

 private:
  // The scene objects directly below this one, taken before any of them is visited.
  std::vector<TRef<TBaseWaterObject>> SceneChildren() const;

  int32_t uniqueID_ = 0;
  TWaterGridRef grid_;
  int32_t W_ = 0;
  int32_t H_ = 0;
};

}  // namespace wavora
