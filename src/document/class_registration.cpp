#include "document/class_registration.h"

#include "document/water_collection.h"
#include "media/barrier_mapper.h"
#include "media/curved_mirror.h"
#include "media/plane_mirror.h"
#include "media/refraction_mapper.h"
#include "model/node_registry.h"
#include "sim/general_exciter.h"
#include "sim/map_holder.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

void RegisterClasses() {
  static const bool registered = [] {
    RegisterMapClass(TNoneRIMap::StaticClassInfo());
    RegisterMapClass(TRefractionMapper::StaticClassInfo());
    RegisterMapClass(TPlaneMirror::StaticClassInfo());
    RegisterMapClass(TCurvedMirror::StaticClassInfo());
    RegisterMapClass(TBarrierMapper::StaticClassInfo());
    RegisterExciterClass(TGeneralExciter::StaticClassInfo());

    for (const TClassInfo* nodeClass : {&TWater::StaticClassInfo(), &TSlideshow::StaticClassInfo(),
                                        &TMapHolder::StaticClassInfo(), &TNoneRIMap::StaticClassInfo()}) {
      NodeRegistry().RegisterNode(nodeClass);
    }
    NodeRegistry().RegisterNode(&TPlaneMirror::StaticClassInfo());
    NodeRegistry().RegisterNode(&TRefractionMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TCurvedMirror::StaticClassInfo());
    NodeRegistry().RegisterNode(&TBarrierMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TGeneralExciter::StaticClassInfo());
    return true;
  }();
  (void)registered;
}

}  // namespace wavora
