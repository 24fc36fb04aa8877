#include "ui/simple_message_view.h"

#include "sim/simple_message_cp.h"
#include "widgets/qt_text.h"

namespace wavora {

TSimpleMessageView::TSimpleMessageView(TSimpleMessageCP& model, QWidget* parent)
    : QLabel(QtText(model.Message()), parent) {
  setObjectName(QStringLiteral("TSimpleMessageCP"));
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setMargin(8);
  // Fills the area it is shown in.
  if (parent) resize(parent->size());
}

}  // namespace wavora
