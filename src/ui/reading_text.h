#pragma once

#include <QString>

namespace wavora {

class TBaseWaterObject;

// What screen readers call an object: its name in the object list, and for a tool that shows a number
// its reading as the tool writes it ("Ruler 156.0mm").
QString NameWithReading(const TBaseWaterObject& object);

}  // namespace wavora
