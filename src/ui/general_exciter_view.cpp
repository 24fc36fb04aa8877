#include "ui/general_exciter_view.h"

#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include "sim/general_exciter_cp.h"
#include "sim/resource_strings.h"
#include "widgets/custom_bit_btn.h"
#include "widgets/custom_speed_button.h"
#include "widgets/custom_track_bar.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"
#include "widgets/widget_palette.h"

namespace wavora {

namespace {

constexpr int kPollMs = 50;
constexpr int kShapePollMs = 200;

QLabel* PanelLabel(QWidget* parent, const char* name, const QRect& geometry,
                   Qt::Alignment alignment = Qt::AlignLeft) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(geometry);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

TCustomTrackBar* PanelBar(QWidget* parent, const char* name, const QRect& geometry,
                          const TGeneralExciterCP::TTrackBar& range) {
  auto* bar = new TCustomTrackBar(parent);
  bar->setObjectName(QLatin1String(name));
  bar->setOrientation(Qt::Horizontal);
  bar->setGeometry(geometry);
  bar->SetMin(range.min);
  bar->SetMax(range.max);
  bar->SetFrequency(0);
  return bar;
}

TCustomSpeedButton* PanelToggle(QWidget* parent, const char* name, const QRect& geometry,
                                const QString& caption, std::string_view hint, int groupIndex) {
  auto* button = new TCustomSpeedButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  button->SetCaption(caption);
  button->SetHint(QtText(hint));
  button->SetGroupIndex(groupIndex);
  button->SetAllowAllUp(true);
  return button;
}

void SetPosition(TCustomTrackBar& bar, int position) {
  const QSignalBlocker quiet(&bar);
  bar.SetPosition(position);
  bar.update();
}

// The model's black for the caption in use and grey for the other, in the window's colour scheme (white
// and grey on black in high contrast).
void SetTextColour(QLabel& label, TColour colour) {
  QPalette colours = label.palette();
  colours.setColor(QPalette::WindowText, colour == TGeneralExciterCP::kActiveText
                                             ? QColor(WidgetColours().text)
                                             : QColor(WidgetColours().textDisabled));
  label.setPalette(colours);
}

// The picture of a source shape, drawn.
QIcon DrawShapePicture(int shape) {
  constexpr int kSize = 32;
  QPixmap picture(kSize, kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor ink(WidgetColours().accent);
  const QColor crest(WidgetColours().accentSoftBorder);
  painter.setPen(QPen(crest, 1.6));
  const auto rings = [&](QPointF centre, double first, double spacing, int count) {
    for (int i = 0; i < count; ++i)
      painter.drawEllipse(centre, first + i * spacing, first + i * spacing);
  };
  switch (shape) {
    case 0:  // a point
      rings({16, 16}, 6, 5, 3);
      break;
    case 1:  // a beam: curved fronts leaving a short emitter
      for (int i = 0; i < 3; ++i)
        painter.drawArc(QRectF(-4 + i * 7, 4, 20, 24), -55 * 16, 110 * 16);
      painter.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(6, 9), QPointF(6, 23));
      break;
    case 2:  // a line: straight fronts over the whole height
      for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(13 + i * 6, 4), QPointF(13 + i * 6, 28));
      painter.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(6, 3), QPointF(6, 29));
      break;
    case 3:  // two points
      rings({10, 16}, 5, 5, 2);
      rings({22, 16}, 5, 5, 2);
      break;
    default: {  // a moving point: fronts crowd ahead of it
      for (int i = 0; i < 3; ++i) {
        const double radius = 5 + i * 5;
        painter.drawEllipse(QPointF(20 - i * 4, 16), radius, radius);
      }
      painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(QPointF(24, 16), QPointF(30, 16));
      break;
    }
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  if (shape == 0) painter.drawEllipse(QPointF(16, 16), 2.6, 2.6);
  if (shape == 3) {
    painter.drawEllipse(QPointF(10, 16), 2.6, 2.6);
    painter.drawEllipse(QPointF(22, 16), 2.6, 2.6);
  }
  if (shape == 4) painter.drawEllipse(QPointF(20, 16), 2.6, 2.6);
  return QIcon(picture);
}

}  // namespace

QIcon TGeneralExciterView::ShapePicture(int shape) {
  return KeptIcon(QStringLiteral("source shape %1").arg(shape), [shape] { return DrawShapePicture(shape); });
}

TGeneralExciterView::TGeneralExciterView(TGeneralExciterCP& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TGeneralExciterCP"));
  setFixedSize(TGeneralExciterCP::kWidth, TGeneralExciterCP::kHeight);

  Type1 = new TCustomBitBtn(this);
  Type1->setObjectName(QStringLiteral("Type1"));
  Type1->setGeometry(6, 6, 163, 38);
  Type1->SetMenuArrow(true);
  Type1->SetHint(QtText(rs::SourceShapeHint));
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  connect(Type1, &QAbstractButton::clicked, this, &TGeneralExciterView::Type1Click);

  PowerButton =
      PanelToggle(this, "PowerButton", QRect(6, 50, 80, 28), QtText(rs::Continuous), rs::Continuous, 1);
  OneWave = PanelToggle(this, "OneWave", QRect(89, 50, 80, 28), QtText(rs::Pulse), rs::Pulse, 2);
  connect(PowerButton, &QAbstractButton::clicked, this, [this] {
    model_.PowerButtonClick();
    ShowModel();
  });
  connect(OneWave, &QAbstractButton::clicked, this, [this] {
    model_.OneWaveClick();
    ShowModel();
  });

  WavelengthCaptionLabel = PanelLabel(this, "WavelengthCaptionLabel", QRect(10, 84, 90, 18));
  WavelengthLabel = PanelLabel(this, "WavelengthLabel", QRect(100, 84, 67, 18), Qt::AlignRight);
  FrequencyCaptionLabel = PanelLabel(this, "FrequencyCaptionLabel", QRect(10, 102, 90, 18));
  FrequencyLabel = PanelLabel(this, "FrequencyLabel", QRect(100, 102, 67, 18), Qt::AlignRight);
  WavelengthBar = PanelBar(this, "WavelengthBar", QRect(4, 120, 136, 28), model_.WavelengthBar());
  FrequencyBar = PanelBar(this, "FrequencyBar", QRect(4, 120, 136, 28), model_.FrequencyBar());
  CustomSpeedButton1 = PanelToggle(this, "CustomSpeedButton1", QRect(142, 122, 28, 24), QtText(rs::Hertz),
                                   rs::FrequencyToggleHint, 3);
  connect(WavelengthBar, &TCustomTrackBar::Change, this, [this](int position) {
    model_.SetWavelengthBar(position);
    ShowModel();
  });
  connect(FrequencyBar, &TCustomTrackBar::Change, this, [this](int position) {
    model_.SetFrequencyBar(position);
    ShowModel();
  });
  connect(CustomSpeedButton1, &QAbstractButton::clicked, this, [this] {
    model_.CustomSpeedButton1Click();
    ShowModel();
  });

  // The double source's detune and the moving source's controls share the bottom rows.
  DetuneNameLabel = PanelLabel(this, "DetuneNameLabel", QRect(10, 152, 90, 18));
  DetuneAmountLabel = PanelLabel(this, "DetuneAmountLabel", QRect(100, 152, 67, 18), Qt::AlignRight);
  DetuneSlider = PanelBar(this, "DetuneSlider", QRect(4, 170, 167, 28), model_.DetuneSlider());
  connect(DetuneSlider, &TCustomTrackBar::Change, this, [this](int position) {
    model_.SetDetuneSlider(position);
    ShowModel();
  });
  MachLabel = PanelLabel(this, "MachLabel", QRect(10, 152, 80, 18));
  HarmonicsButton = PanelToggle(this, "HarmonicsButton", QRect(89, 150, 80, 22), QtText(rs::HarmonicsCaption),
                                rs::HarmonicsHint, 4);
  MachSlider = PanelBar(this, "MachSlider", QRect(4, 170, 130, 28), model_.MachSlider());
  // Each slider is named by the caption over it, for screen readers.
  WavelengthCaptionLabel->setBuddy(WavelengthBar);
  DetuneNameLabel->setBuddy(DetuneSlider);
  MachLabel->setBuddy(MachSlider);
  DopplerReset = new TCustomSpeedButton(this);
  DopplerReset->setObjectName(QStringLiteral("DopplerReset"));
  DopplerReset->setGeometry(137, 172, 32, 24);
  DopplerReset->SetGlyph(WavoraIcon(TIcon::ClearWater));
  DopplerReset->SetHint(QtText(rs::DopplerResetHint));
  connect(MachSlider, &TCustomTrackBar::Change, this, [this](int position) {
    model_.SetMachSlider(position);
    ShowModel();
  });
  connect(HarmonicsButton, &QAbstractButton::clicked, this, [this] {
    model_.HarmonicsButtonClick();
    ShowModel();
  });
  connect(DopplerReset, &QAbstractButton::clicked, this, [this] { model_.DopplerResetClick(); });

  timer1_.setInterval(kPollMs);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    model_.Poll50ms();
    ShowModel();
  });
  timer2_.setInterval(kShapePollMs);
  connect(&timer2_, &QTimer::timeout, this, [this] {
    const int shape = model_.ShownShape();
    model_.Poll200ms();
    if (model_.ShownShape() != shape) ShowModel();
  });
  timer2_.start();
  ShowModel();
}

void TGeneralExciterView::Type1Click() {
  PopupMenu1->clear();
  for (const TGeneralExciterCP::TShapeMenuEntry& entry : model_.Type1Click()) {
    const int shape = entry.imageIndex;
    QAction* action = PopupMenu1->addAction(ShapePicture(shape), QtText(entry.caption), this, [this, shape] {
      model_.ShapeMenuClick(shape);
      ShowModel();
    });
    action->setObjectName(QtText(entry.name));
    action->setCheckable(true);
    action->setChecked(entry.checked);
  }
  PopupMenu1->popup(Type1->mapToGlobal(QPoint(0, Type1->height())));
}

void TGeneralExciterView::ShowModel() {
  Type1->SetCaption(QtText(model_.Type1Caption()));
  Type1->SetGlyph(ShapePicture(model_.Type1Picture()));

  for (auto [button, down] :
       {std::pair{PowerButton, model_.PowerButtonDown()}, std::pair{OneWave, model_.OneWaveDown()},
        std::pair{CustomSpeedButton1, model_.FrequencyBarVisible()},
        std::pair{HarmonicsButton, model_.HarmonicsButtonDown()}}) {
    const QSignalBlocker quiet(button);
    button->SetDown(down);
  }
  if (model_.Timer1Enabled() != timer1_.isActive()) {
    if (model_.Timer1Enabled()) {
      timer1_.start();
    } else {
      timer1_.stop();
    }
  }

  WavelengthCaptionLabel->setText(QtText(model_.WavelengthCaptionLabel()));
  FrequencyCaptionLabel->setText(QtText(model_.FrequencyCaptionLabel()));
  WavelengthLabel->setText(QtText(model_.WavelengthLabel()));
  FrequencyLabel->setText(QtText(model_.FrequencyLabel()));
  for (QLabel* label : {WavelengthCaptionLabel, WavelengthLabel})
    SetTextColour(*label, model_.WavelengthTextColour());
  for (QLabel* label : {FrequencyCaptionLabel, FrequencyLabel})
    SetTextColour(*label, model_.FrequencyTextColour());
  SetPosition(*WavelengthBar, model_.WavelengthBar().position);
  SetPosition(*FrequencyBar, model_.FrequencyBar().position);
  WavelengthBar->setVisible(model_.WavelengthBarVisible());
  FrequencyBar->setVisible(model_.FrequencyBarVisible());

  const bool detune = model_.DetuneControlsVisible();
  DetuneNameLabel->setText(QtText(model_.DetuneNameLabel()));
  DetuneAmountLabel->setText(QtText(model_.DetuneAmountLabel()));
  SetPosition(*DetuneSlider, model_.DetuneSlider().position);
  for (QWidget* control : {static_cast<QWidget*>(DetuneNameLabel), static_cast<QWidget*>(DetuneAmountLabel),
                           static_cast<QWidget*>(DetuneSlider)})
    control->setVisible(detune);

  const bool mach = model_.MachControlsVisible();
  MachLabel->setText(QtText(model_.MachLabel()));
  SetPosition(*MachSlider, model_.MachSlider().position);
  for (QWidget* control : {static_cast<QWidget*>(MachLabel), static_cast<QWidget*>(MachSlider),
                           static_cast<QWidget*>(HarmonicsButton), static_cast<QWidget*>(DopplerReset)})
    control->setVisible(mach);
}

}  // namespace wavora
