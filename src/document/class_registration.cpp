#include "document/class_registration.h"

#include "document/water_collection.h"
#include "media/earth_mapper.h"
#include "media/slits_mapper.h"
#include "media/tsunami_mapper.h"
#include "media/waveguide_mapper.h"
#include "model/node_registry.h"
#include "sim/general_exciter.h"
#include "sim/map_holder.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

void RegisterClasses() {
  static const bool registered = [] {
    RegisterMapClass(TNoneRIMap::StaticClassInfo());
    RegisterMapClass(TSlitsRIMapper::StaticClassInfo());
    RegisterMapClass(TSimpleWaveGuideRIMapper::StaticClassInfo());
    RegisterMapClass(TEarthRIMapper::StaticClassInfo());
    RegisterMapClass(TTsunamiRIMapper::StaticClassInfo());
    RegisterExciterClass(TGeneralExciter::StaticClassInfo());

    for (const TClassInfo* nodeClass : {&TWater::StaticClassInfo(), &TSlideshow::StaticClassInfo(),
                                        &TMapHolder::StaticClassInfo(), &TNoneRIMap::StaticClassInfo()}) {
      NodeRegistry().RegisterNode(nodeClass);
    }
    NodeRegistry().RegisterNode(&TSimpleWaveGuideRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TSlitsRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TEarthRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TTsunamiRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TGeneralExciter::StaticClassInfo());
    return true;
  }();
  (void)registered;
}

}  // namespace wavora
