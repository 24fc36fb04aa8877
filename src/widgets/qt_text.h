#pragma once

#include <QString>
#include <string_view>

namespace wavora {

// Texts of the core's string table, which are UTF-8, as Qt strings.
inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace wavora
