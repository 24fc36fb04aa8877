#include "document/lesson_changes.h"

#include <cstring>
#include <type_traits>
#include <variant>

#include "model/property_text.h"

namespace wavora {

namespace {

template <class T>
void AppendBytes(const T& value, std::string& content) {
  static_assert(std::is_trivially_copyable_v<T>);
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  content.append(bytes, sizeof(T));
}

void AppendString(const std::string& text, std::string& content) {
  AppendBytes(text.size(), content);
  content += text;
}

// Values go in as their bytes: formatting numbers as the file does would cost a hundred times more.
// Strings carry their length, so no two different lessons run together into the same bytes.
void AppendLesson(const TBasicXMLNode& node, std::string& content) {
  const TClassInfo& info = node.ClassInfo();
  AppendString(info.ClassName(), content);
  for (const TPropertyInfo& property : info.Properties()) {
    if (property.sessionState) continue;
    const TPropertyValue value = property.get(node);
    std::visit(
        [&](const auto& item) {
          using T = std::decay_t<decltype(item)>;
          if constexpr (std::is_same_v<T, std::string>) {
            AppendString(item, content);
          } else if constexpr (std::is_same_v<T, TArrayValue>) {
            AppendString(ValueAsText(property, value), content);
          } else {
            AppendBytes(item, content);
          }
        },
        value);
  }
  AppendBytes(node.GetChildCount(), content);
  for (int i = 0; i < node.GetChildCount(); ++i)
    AppendLesson(*node.GetChildren(i), content);
}

}  // namespace

std::string LessonContent(const TBasicXMLNode& document) {
  std::string content;
  AppendLesson(document, content);
  return content;
}

}  // namespace wavora
