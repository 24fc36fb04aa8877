#pragma once

#include <vector>

#include "sim/tool_panel.h"

namespace wavora {

// Popup-menu groups that several tool panels share, each opened by a separator.

// "Normalise" (tag 0) when offered, then "No Gain" ... "x16 Gain" (tags 1 ... 16); the entry equal to
// gain is checked, "Normalise" for any gain below 1.
std::vector<TPanelMenuEntry> GainEntries(int gain, bool offersNormalise);
bool IsGainEntry(const TPanelMenuEntry& entry);

// "Image and Graph", "Image only", "Graph only" (tags 0 ... 2), the one equal to mode checked.
std::vector<TPanelMenuEntry> DisplayModeEntries(int mode);
bool IsDisplayModeEntry(const TPanelMenuEntry& entry);

}  // namespace wavora
