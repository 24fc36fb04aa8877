#include "document/class_registration.h"

#include "document/water_collection.h"
#include "media/block_mapper.h"
#include "media/lens_mapper.h"
#include "model/node_registry.h"
#include "sim/general_exciter.h"
#include "sim/map_holder.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

void RegisterClasses() {
  static const bool registered = [] {
    RegisterMapClass(TNoneRIMap::StaticClassInfo());
    RegisterMapClass(TBlockRIMapper::StaticClassInfo());
    RegisterMapClass(TLensMapper::StaticClassInfo());
    RegisterExciterClass(TGeneralExciter::StaticClassInfo());

    for (const TClassInfo* nodeClass : {&TWater::StaticClassInfo(), &TSlideshow::StaticClassInfo(),
                                        &TMapHolder::StaticClassInfo(), &TNoneRIMap::StaticClassInfo()}) {
      NodeRegistry().RegisterNode(nodeClass);
    }
    NodeRegistry().RegisterNode(&TBlockRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TLensMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TGeneralExciter::StaticClassInfo());
    return true;
  }();
  (void)registered;
}

}  // namespace wavora
