#pragma once

#include "model/node.h"

namespace wavora {

// Keeps the medium objects a tank is not using, with their settings, so that switching back to a
// medium class restores the object used before. A plain child of the tank: saved with it, never
// stepped, drawn or attached to the grid.
class TMapHolder : public TXMLNode {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // A scene object parked here lets go of the tank's grid; its percentages, which every drag keeps up
  // to date, are where it returns to.
  int add(const iXMLNode& node) override;
};

}  // namespace wavora
