#include "ui/fiber_view.h"

#include <QLabel>

#include "media/fiber_control_panel.h"
#include "ui/panel_style.h"
#include "ui/refractive_index_view.h"
#include "widgets/custom_track_bar.h"
#include "widgets/qt_text.h"

namespace wavora {

TFiberView::TFiberView(TFiberControlPanel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TFiberControlPanel"));
  setFixedSize(TFiberControlPanel::kWidth, TFiberControlPanel::kHeight);

  constexpr int kTop = MediumPanelTop(TFiberControlPanel::kHeight);
  auto* caption = new QLabel(QtText(model_.Label1()), this);
  caption->setObjectName(QStringLiteral("Label1"));
  caption->setGeometry(8, kTop, 110, 20);
  QFont bold = caption->font();
  bold.setBold(true);
  caption->setFont(bold);

  WidthLabel = new QLabel(QtText(model_.WidthLabel()), this);
  WidthLabel->setObjectName(QStringLiteral("WidthLabel"));
  WidthLabel->setGeometry(118, kTop, 51, 20);
  WidthLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  WidthSlider = new TCustomTrackBar(this);
  WidthSlider->setObjectName(QStringLiteral("WidthSlider"));
  WidthSlider->setOrientation(Qt::Horizontal);
  WidthSlider->SetMin(TFiberControlPanel::kMinWidth);
  WidthSlider->SetMax(TFiberControlPanel::kMaxWidth);
  WidthSlider->setPageStep(1);
  WidthSlider->SetFrequency(0);
  WidthSlider->SetPosition(model_.WidthSliderPosition());
  WidthSlider->setGeometry(4, kTop + 20, 169, 28);
  caption->setBuddy(WidthSlider);  // names the slider for screen readers
  connect(WidthSlider, &TCustomTrackBar::Change, this, [this](int position) {
    model_.SetWidthSliderPosition(position);
    WidthLabel->setText(QtText(model_.WidthLabel()));
  });

  auto* refractiveIndex = new TRefractiveIndexView(model_.RefractiveIndexCP1(), this);
  refractiveIndex->setObjectName(QStringLiteral("RefractiveIndexCP1"));
  refractiveIndex->move(0, kTop + kMediumPanelHolderHeight - refractiveIndex->height());
}

}  // namespace wavora
