#include "ui/refractive_index_view.h"

#include <QLabel>

#include "sim/refractive_index_cp.h"
#include "sim/resource_strings.h"
#include "widgets/custom_track_bar.h"
#include "widgets/qt_text.h"

namespace wavora {

TRefractiveIndexView::TRefractiveIndexView(TRefractiveIndexCP& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TRefractiveIndexCP"));
  setFixedSize(TRefractiveIndexCP::kWidth, TRefractiveIndexCP::kHeight);

  auto* caption = new QLabel(QtText(rs::RefractiveIndex), this);
  caption->setGeometry(8, 6, 120, 20);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);

  RefractiveIndexLabel = new QLabel(QtText(model_.RefractiveIndexLabel()), this);
  RefractiveIndexLabel->setObjectName(QStringLiteral("RefractiveIndexLabel"));
  RefractiveIndexLabel->setGeometry(120, 6, 49, 20);
  RefractiveIndexLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  RfIndex = new TCustomTrackBar(this);
  RfIndex->setObjectName(QStringLiteral("RfIndex"));
  RfIndex->setOrientation(Qt::Horizontal);
  RfIndex->SetMin(TRefractiveIndexCP::kMinPosition);
  RfIndex->SetMax(TRefractiveIndexCP::kMaxPosition);
  RfIndex->setPageStep(1);
  RfIndex->SetFrequency(0);
  RfIndex->SetPosition(model_.Position());
  RfIndex->setGeometry(4, 30, 169, 28);
  caption->setBuddy(RfIndex);  // names the slider for screen readers
  connect(RfIndex, &TCustomTrackBar::Change, this, [this](int position) {
    model_.SetPosition(position);
    RefractiveIndexLabel->setText(QtText(model_.RefractiveIndexLabel()));
  });

  // The four media under the slider, at the positions of their indices (1.0, 1.33, 1.5, 2.4).
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  const std::string_view names[] = {rs::Air, rs::Water, rs::Glass, rs::Diamond};
  const int lefts[] = {6, 44, 86, 124};
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(QtText(names[i]), this);
    label->setFont(small);
    label->setGeometry(lefts[i], 60, 48, 18);
    label->setAlignment(i == 3 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
  }
}

}  // namespace wavora
