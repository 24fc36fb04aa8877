#pragma once

#include <QWidget>
#include <memory>

namespace wavora {

class TControlPanelModel;

// The Qt view of a panel model, found through one table from the model's type to a view factory
// (the most derived types first); none when the table knows no view for it. The view refers to the
// model, which must outlive it.
std::unique_ptr<QWidget> CreatePanelView(TControlPanelModel& model, QWidget* parent);

}  // namespace wavora
