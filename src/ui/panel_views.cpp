#include "ui/panel_views.h"

#include <vector>

#include "media/curved_mirror_cp.h"
#include "media/earth_cp.h"
#include "media/fiber_control_panel.h"
#include "media/lens_cp.h"
#include "media/plane_mirror_cp.h"
#include "media/refraction_cp.h"
#include "media/slits_control_panel.h"
#include "media/tsunami_cp.h"
#include "sim/general_exciter_cp.h"
#include "sim/refractive_index_cp.h"
#include "sim/simple_message_cp.h"
#include "sim/tool_panel.h"
#include "tools/intensity_cp.h"
#include "tools/point_logger_cp.h"
#include "ui/curved_mirror_view.h"
#include "ui/earth_view.h"
#include "ui/fiber_view.h"
#include "ui/general_exciter_view.h"
#include "ui/intensity_view.h"
#include "ui/lens_view.h"
#include "ui/plane_mirror_view.h"
#include "ui/point_logger_view.h"
#include "ui/refraction_view.h"
#include "ui/refractive_index_view.h"
#include "ui/simple_message_view.h"
#include "ui/slits_view.h"
#include "ui/tool_panel_view.h"
#include "ui/tsunami_view.h"

namespace wavora {

namespace {

struct TPanelViewEntry {
  bool (*matches)(TControlPanelModel& model);
  std::unique_ptr<QWidget> (*create)(TControlPanelModel& model, QWidget* parent);
};

template <class TModel, class TView>
TPanelViewEntry ViewOf() {
  return {[](TControlPanelModel& model) { return dynamic_cast<TModel*>(&model) != nullptr; },
          [](TControlPanelModel& model, QWidget* parent) -> std::unique_ptr<QWidget> {
            return std::make_unique<TView>(static_cast<TModel&>(model), parent);
          }};
}

// A panel model derived from another comes before it, so it gets its own view.
const std::vector<TPanelViewEntry>& PanelViews() {
  static const std::vector<TPanelViewEntry> table = {
      ViewOf<TGeneralExciterCP, TGeneralExciterView>(),
      ViewOf<TLensControlpanel, TLensView>(),
      ViewOf<TRefractiveIndexCP, TRefractiveIndexView>(),
      ViewOf<TPlaneMirrorCP, TPlaneMirrorView>(),
      ViewOf<TRefractionCP, TRefractionView>(),
      ViewOf<TCurvedMirrorCP, TCurvedMirrorView>(),
      ViewOf<TSimpleMessageCP, TSimpleMessageView>(),
      ViewOf<TSlitsControlPanel, TSlitsView>(),
      ViewOf<TFiberControlPanel, TFiberView>(),
      ViewOf<TEarthCP, TEarthView>(),
      ViewOf<TTsunamiCP, TTsunamiView>(),
      ViewOf<TIntensityToolFrame, TIntensityView>(),
      ViewOf<TPointLoggerCP, TPointLoggerView>(),
      ViewOf<TBaseCPFrame, TToolPanelView>(),
  };
  return table;
}

}  // namespace

std::unique_ptr<QWidget> CreatePanelView(TControlPanelModel& model, QWidget* parent) {
  for (const TPanelViewEntry& entry : PanelViews()) {
    if (entry.matches(model)) return entry.create(model, parent);
  }
  return nullptr;
}

}  // namespace wavora
