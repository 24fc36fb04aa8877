#pragma once

#include <cstdint>

#include "sim/water.h"

namespace wavora {

class TBaseControl;

// The commands of the "Tools" tab on a tank's objects.

// A new object of tool class toolIndex added to the tank and activated (a panel tool also becomes
// the tank's active panel tool). Returns it, or none when the index names no tool class.
TRef<TBaseControl> AddToolFromList(TWater& tank, int toolIndex);

// The object of the tank carrying the identifier, or none.
TRef<TBaseControl> ObjectWithID(const TWater& tank, int32_t uniqueID);

// Selects the object carrying the identifier as the user's click on its list item does: a panel tool
// also becomes the active panel tool; a medium object leaves no tool selected. Returns the object, or
// none when the tank holds no such object.
TRef<TBaseControl> SelectObject(TWater& tank, int32_t uniqueID);

// No tool of the tank stays selected or shows its panel.
void DeactivateTools(TWater& tank);

// What deleting the selected object did.
enum class TDeleted { Nothing, Object, Medium };

// Deletes the first selected object that may be deleted: a medium object gives way to the empty
// tank (and waits in the map holder); any other is removed, and the nearest object before it (down
// to child 1) becomes selected. The source is never deleted.
TDeleted DeleteActiveObject(TWater& tank);

// Every selected object of the tank takes the snap setting.
void SnapActiveObjects(TWater& tank, bool snap);

}  // namespace wavora
