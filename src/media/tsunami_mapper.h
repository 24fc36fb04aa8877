#pragma once

#include <cstdint>
#include <memory>

#include "media/mode_ri_mapper.h"
#include "media/tsunami_cp.h"

namespace wavora {

// "Tsunami": a map of an ocean turned into the tank (land solid, sea open water) with the source
// suggested at the epicentre of the earthquake that starts the wave; the Indian Ocean (the 2004
// earthquake off Sumatra) or the Atlantic (an epicentre off the Atlantic coast of Morocco). A hidden
// third scene, the beach, slows a wave down as the water grows shallow toward a shore.
class TTsunamiRIMapper : public TModeRIMapper {
 public:
  enum TMode : int32_t { IndianOcean, Atlantic, Beach };

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // A mode outside 0 ... 2 shows the open tank and suggests nothing.
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override {
    return std::make_unique<TTsunamiCP>(*this);
  }

 protected:
  TSourceSuggestion MapScene(TWaterGrid& grid) override;
};

}  // namespace wavora
