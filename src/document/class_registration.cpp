#include "document/class_registration.h"

#include "document/water_collection.h"
#include "media/barrier_mapper.h"
#include "media/block_mapper.h"
#include "media/curved_mirror.h"
#include "media/earth_mapper.h"
#include "media/lens_mapper.h"
#include "media/plane_mirror.h"
#include "media/refraction_mapper.h"
#include "media/slits_mapper.h"
#include "media/tsunami_mapper.h"
#include "media/waveguide_mapper.h"
#include "model/node_registry.h"
#include "sim/general_exciter.h"
#include "sim/map_holder.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"
#include "sim/water.h"
#include "tools/cross_section_tool.h"
#include "tools/intensity_tool.h"
#include "tools/level_meter_tool.h"
#include "tools/point_logger_tool.h"
#include "tools/protractor.h"
#include "tools/ruler.h"
#include "tools/spectrum_tool.h"
#include "tools/timer_tool.h"

namespace wavora {

void RegisterClasses() {
  static const bool registered = [] {
    // The experiment menu's order.
    RegisterMapClass(TNoneRIMap::StaticClassInfo());
    RegisterMapClass(TBlockRIMapper::StaticClassInfo());
    RegisterMapClass(TRefractionMapper::StaticClassInfo());
    RegisterMapClass(TPlaneMirror::StaticClassInfo());
    RegisterMapClass(TLensMapper::StaticClassInfo());
    RegisterMapClass(TCurvedMirror::StaticClassInfo());
    RegisterMapClass(TBarrierMapper::StaticClassInfo());
    RegisterMapClass(TSlitsRIMapper::StaticClassInfo());
    RegisterMapClass(TSimpleWaveGuideRIMapper::StaticClassInfo());
    RegisterMapClass(TEarthRIMapper::StaticClassInfo());
    RegisterMapClass(TTsunamiRIMapper::StaticClassInfo());
    RegisterExciterClass(TGeneralExciter::StaticClassInfo());
    RegisterTool(TRuler::StaticClassInfo(), 1);
    RegisterTool(TProtractor::StaticClassInfo(), 2);
    RegisterTool(TTimerTool::StaticClassInfo(), 7);
    RegisterTool(TCrossSectionTool::StaticClassInfo(), 3);
    RegisterTool(TIntensityTool::StaticClassInfo(), 4);
    RegisterTool(TPointLoggerTool::StaticClassInfo(), 5);
    RegisterTool(TLevelMeterTool::StaticClassInfo(), 6);
    RegisterTool(TSpectrumTool::StaticClassInfo(), 8);

    // Every class a file may name, in the order files have always been read with.
    NodeRegistry().RegisterNode(&TWater::StaticClassInfo());
    NodeRegistry().RegisterNode(&TSlideshow::StaticClassInfo());
    NodeRegistry().RegisterNode(&TMapHolder::StaticClassInfo());
    NodeRegistry().RegisterNode(&TNoneRIMap::StaticClassInfo());
    NodeRegistry().RegisterNode(&TBlockRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TPlaneMirror::StaticClassInfo());
    NodeRegistry().RegisterNode(&TSimpleWaveGuideRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TSlitsRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TRefractionMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TLensMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TCurvedMirror::StaticClassInfo());
    NodeRegistry().RegisterNode(&TBarrierMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TEarthRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TTsunamiRIMapper::StaticClassInfo());
    NodeRegistry().RegisterNode(&TGeneralExciter::StaticClassInfo());
    NodeRegistry().RegisterNode(&TRuler::StaticClassInfo());
    NodeRegistry().RegisterNode(&TProtractor::StaticClassInfo());
    NodeRegistry().RegisterNode(&TCrossSectionTool::StaticClassInfo());
    NodeRegistry().RegisterNode(&TIntensityTool::StaticClassInfo());
    NodeRegistry().RegisterNode(&TPointLoggerTool::StaticClassInfo());
    NodeRegistry().RegisterNode(&TLevelMeterTool::StaticClassInfo());
    NodeRegistry().RegisterNode(&TTimerTool::StaticClassInfo());
    NodeRegistry().RegisterNode(&TSpectrumTool::StaticClassInfo());
    return true;
  }();
  (void)registered;
}

}  // namespace wavora
