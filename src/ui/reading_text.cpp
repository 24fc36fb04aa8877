#include "ui/reading_text.h"

#include "sim/resource_strings.h"
#include "sim/tool.h"
#include "widgets/qt_text.h"

namespace wavora {

QString NameWithReading(const TBaseWaterObject& object) {
  const QString name = QtText(object.ListName());
  const auto* tool = dynamic_cast<const TBaseTool*>(&object);
  const std::string reading = tool ? tool->ReadOut() : std::string();
  return reading.empty() ? name : QtText(rs::ToolReading).arg(name, QtText(reading));
}

}  // namespace wavora
