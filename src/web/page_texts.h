#pragma once

#include <string>

namespace wavora {

// The texts of the core's table that the page shows, as one JSON object from each text's name in
// the table to the text, so the page types none of its own.
std::string PageTextsJson();

}  // namespace wavora
