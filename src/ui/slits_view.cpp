#include "ui/slits_view.h"

#include <QLabel>

#include "media/slits_control_panel.h"
#include "widgets/custom_track_bar.h"
#include "widgets/qt_text.h"

namespace wavora {

TSlitsView::TSlitsView(TSlitsControlPanel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TSlitsControlPanel"));
  setFixedSize(TSlitsControlPanel::kWidth, TSlitsControlPanel::kHeight);
  struct TNames {
    const char* caption;
    const char* readout;
    const char* bar;
  };
  const TNames names[TSlitsControlPanel::kBarCount] = {{"SlitLabel", "SlitNumber", "SlitCount"},
                                                       {"SizeLabel", "SizeNumber", "WidthBar"},
                                                       {"SpacingLabel", "SpacingNumber", "SpacingBar"}};
  constexpr int kRowHeight = 46;
  for (int i = 0; i < TSlitsControlPanel::kBarCount; ++i) {
    const auto bar = static_cast<TSlitsControlPanel::TBar>(i);
    const TSlitsControlPanel::TRow& row = TSlitsControlPanel::Row(bar);
    const int top = 2 + i * kRowHeight;

    auto* caption = new QLabel(QtText(row.caption), this);
    caption->setObjectName(QLatin1String(names[i].caption));
    caption->setGeometry(8, top, 100, 18);

    auto* readout = new QLabel(QtText(model_.Readout(bar)), this);
    readout->setObjectName(QLatin1String(names[i].readout));
    readout->setGeometry(108, top, 61, 18);
    readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* trackBar = new TCustomTrackBar(this);
    trackBar->setObjectName(QLatin1String(names[i].bar));
    trackBar->setOrientation(Qt::Horizontal);
    trackBar->SetMin(row.min);
    trackBar->SetMax(row.max);
    trackBar->SetFrequency(0);
    trackBar->SetPosition(model_.Position(bar));
    trackBar->setGeometry(4, top + 18, 169, 26);
    caption->setBuddy(trackBar);  // names the slider for screen readers
    connect(trackBar, &TCustomTrackBar::Change, this, [this, bar, readout](int position) {
      model_.SetPosition(bar, position);
      readout->setText(QtText(model_.Readout(bar)));
    });
  }
}

}  // namespace wavora
