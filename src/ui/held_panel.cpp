#include "ui/held_panel.h"

#include "ui/panel_views.h"

namespace wavora {

void THeldPanel::Release() {
  view.reset();
  model.reset();
  tag = 0;
}

void THeldPanel::Show(int32_t kind, const std::function<std::unique_ptr<TControlPanelModel>()>& create,
                      QWidget* holder, bool centreVertically) {
  if (tag == kind && (kind == 0 || model)) return;
  Release();
  tag = kind;
  if (kind == 0) return;
  model = create();
  if (!model) return;
  view = CreatePanelView(*model, holder);
  if (!view) return;
  const QSize size = view->size();
  view->move((holder->width() - size.width()) / 2,
             centreVertically ? (holder->height() - size.height()) / 2 : 0);
  view->show();
}

}  // namespace wavora
