#include "document/class_registration.h"

#include "document/water_collection.h"
#include "model/node_registry.h"
#include "sim/map_holder.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

void RegisterClasses() {
  static const bool registered = [] {
    RegisterMapClass(TNoneRIMap::StaticClassInfo());

    for (const TClassInfo* nodeClass : {&TWater::StaticClassInfo(), &TSlideshow::StaticClassInfo(),
                                        &TMapHolder::StaticClassInfo(), &TNoneRIMap::StaticClassInfo()}) {
      NodeRegistry().RegisterNode(nodeClass);
    }
    return true;
  }();
  (void)registered;
}

}  // namespace wavora
