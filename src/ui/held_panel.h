#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "sim/control_panel_model.h"

namespace wavora {

// A panel model and its view, tagged with the object it shows (its UniqueID, 0 for none). The view
// goes first, as it refers to the model; the model goes before the document, as it refers to its
// objects.
struct THeldPanel {
  int32_t tag = 0;
  std::unique_ptr<TControlPanelModel> model;
  std::unique_ptr<QWidget> view;

  void Release();
  // Replaces the panel in holder when the object it shows (kind) changed; the new view is centred
  // across the holder, and down it too when centreVertically.
  void Show(int32_t kind, const std::function<std::unique_ptr<TControlPanelModel>()>& create, QWidget* holder,
            bool centreVertically);
};

}  // namespace wavora
