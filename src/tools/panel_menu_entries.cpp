#include "tools/panel_menu_entries.h"

#include <string>
#include <string_view>

#include "sim/resource_strings.h"

namespace wavora {

std::vector<TPanelMenuEntry> GainEntries(int gain, bool offersNormalise) {
  std::vector<TPanelMenuEntry> entries(1);
  if (offersNormalise) entries.push_back({"Normalise1", std::string(rs::Normalise), 0, gain < 1});
  const struct {
    const char* name;
    std::string_view caption;
    int tag;
  } gains[] = {{"NoGain1", rs::NoGain, 1},
               {"X2Gain1", rs::X2Gain, 2},
               {"x4Gain1", rs::X4Gain, 4},
               {"x8Gain1", rs::X8Gain, 8},
               {"x16Gain1", rs::X16Gain, 16}};
  for (const auto& each : gains)
    entries.push_back({each.name, std::string(each.caption), each.tag, gain == each.tag});
  return entries;
}

bool IsGainEntry(const TPanelMenuEntry& entry) {
  return entry.name.ends_with("Gain1") || entry.name == "Normalise1";
}

std::vector<TPanelMenuEntry> DisplayModeEntries(int mode) {
  return {{},
          {"ShowLaserandGraph1", std::string(rs::ImageAndGraph), 0, mode == 0},
          {"ShowLaseronly1", std::string(rs::ImageOnly), 1, mode == 1},
          {"ShowGraphonly1", std::string(rs::GraphOnly), 2, mode == 2}};
}

bool IsDisplayModeEntry(const TPanelMenuEntry& entry) {
  return entry.name.starts_with("Show");
}

}  // namespace wavora
