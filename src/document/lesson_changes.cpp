#include "document/lesson_changes.h"

#include "model/property_text.h"

namespace wavora {

namespace {

void AppendLesson(const TBasicXMLNode& node, std::string& text) {
  const TClassInfo& info = node.ClassInfo();
  text += '<';
  text += info.ClassName();
  for (const TPropertyInfo& property : info.Properties()) {
    if (property.sessionState) continue;
    // Every value is written, defaults included, so that the separators keep values apart.
    text += ' ';
    text += property.name;
    text += "=\"";
    text += EncodeElementText(ValueAsText(property, property.get(node)), true);
    text += '"';
  }
  text += '>';
  for (int i = 0; i < node.GetChildCount(); ++i)
    AppendLesson(*node.GetChildren(i), text);
  text += "</>";
}

}  // namespace

std::string LessonText(const TBasicXMLNode& document) {
  std::string text;
  AppendLesson(document, text);
  return text;
}

}  // namespace wavora
