#include "ui/lens_view.h"

#include <QLabel>

#include "media/lens_cp.h"
#include "ui/refractive_index_view.h"
#include "widgets/custom_speed_button.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kTypeGroup = 1;
constexpr int kLensButtonSize = 44;
constexpr int kRefractiveIndexTop = TLensControlpanel::kHeight - 90;

// A latching button of the type group at the given left edge, with its caption centred under it.
TCustomSpeedButton* TypeButton(QWidget* parent, const char* name, const char* labelName, int left,
                               TIcon glyph, const std::string& caption) {
  auto* button = new TCustomSpeedButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(left, 4, kLensButtonSize, kLensButtonSize);
  button->SetGlyph(WavoraIcon(glyph));
  button->setIconSize(QSize(32, 32));
  button->SetGroupIndex(kTypeGroup);
  button->SetHint(QtText(caption));
  auto* label = new QLabel(QtText(caption), parent);
  label->setObjectName(QLatin1String(labelName));
  label->setGeometry(left - 18, 4 + kLensButtonSize, kLensButtonSize + 36, 16);
  label->setAlignment(Qt::AlignCenter);
  return button;
}

}  // namespace

TLensView::TLensView(TLensControlpanel& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName(QStringLiteral("TLensControlpanel"));
  setFixedSize(TLensControlpanel::kWidth, TLensControlpanel::kHeight);

  Type0 = TypeButton(this, "Type0", "Label1", 24, TIcon::LensConvex, model_.Label1());
  Type1 = TypeButton(this, "Type1", "Label2", TLensControlpanel::kWidth - 24 - kLensButtonSize,
                     TIcon::LensConcave, model_.Label2());
  (model_.DownTag() == 1 ? Type1 : Type0)->SetDown(true);
  for (const auto& [button, tag] : {std::pair{Type0, 0}, std::pair{Type1, 1}})
    connect(button, &QAbstractButton::clicked, this, [this, tag] { model_.Type1Click(tag); });

  auto* refractiveIndex = new TRefractiveIndexView(model_.RefractiveIndexCP1(), this);
  refractiveIndex->setObjectName(QStringLiteral("RefractiveIndexCP1"));
  refractiveIndex->move(0, kRefractiveIndexTop);
}

}  // namespace wavora
