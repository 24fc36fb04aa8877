#include "ui/intensity_view.h"

#include <QLabel>

#include "sim/resource_strings.h"
#include "tools/intensity_cp.h"
#include "widgets/qt_text.h"

namespace wavora {

TIntensityView::TIntensityView(TIntensityToolFrame& model, QWidget* parent)
    : TToolPanelView(model, parent), model_(model), CalcLabel(new QLabel(QtText(rs::Calculating), this)) {
  setObjectName(QStringLiteral("TIntensityToolFrame"));
  CalcLabel->setObjectName(QStringLiteral("CalcLabel"));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  font.setItalic(true);
  CalcLabel->setFont(font);
  const TColour c = TIntensityToolFrame::kCalcLabelColour;
  CalcLabel->setStyleSheet(
      QStringLiteral("color: rgb(%1, %2, %3); background: transparent;").arg(c.red).arg(c.green).arg(c.blue));
  CalcLabel->adjustSize();
  CalcLabel->move(0, 0);
  CalcLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
  CalcLabel->hide();
}

void TIntensityView::paintEvent(QPaintEvent* event) {
  // The window repaints the panel after each update, when the label's state may have changed.
  if (CalcLabel->isVisible() != model_.CalcLabelVisible()) CalcLabel->setVisible(model_.CalcLabelVisible());
  TToolPanelView::paintEvent(event);
}

}  // namespace wavora
