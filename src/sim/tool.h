#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/base_control.h"

namespace wavora {

// One number a tool shows, for export to a spreadsheet: a value, at a position along the tool where
// the tool shows a series (x empty for a single value). The value is empty where the tool shows
// none yet (a silent meter, an intensity still calculating): a number there would be made up.
struct TToolReading {
  std::string quantity;
  std::optional<float> x;
  std::string xUnit;
  std::optional<float> value;
  std::string valueUnit;
};

// A measuring tool placed in a tank. Tools read only Displacement and never write to the grid.
class TBaseTool : public TBaseControl {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Tools draw their outline and handles in a dark blue, a pale lilac while selected.
  TColour HandleColour() const override;
  // The picture the tool class list gives its class.
  int ListImageIndex() const override;

  // Called once after every time step of the tank, after the source was applied.
  virtual void AfterStep() {}

  // What the tool's label or panel shows, as numbers.
  virtual std::vector<TToolReading> Readings() const { return {}; }
  // The measurement in the words the tool's label or panel writes it ("156.0mm"), for screen
  // readers; empty for tools that show a picture rather than a number.
  virtual std::string ReadOut() const { return {}; }

  // "Save Data…" and "Copy Data": the readings as CSV, from the tool's item in the object list.
  std::vector<TListMenuEntry> ListMenuEntries() override;
};

}  // namespace wavora
