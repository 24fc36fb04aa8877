#include "ui/mode_buttons_view.h"

#include <QLabel>

#include "media/mode_buttons_cp.h"
#include "widgets/custom_speed_button.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kModeButtonSize = 36;
constexpr int kCaptionHeight = 16;
constexpr int kCaptionWidth = 84;
constexpr int kGroup = 1;

}  // namespace

TModeButtonsView::TModeButtonsView(TModeButtonsCP& model, QWidget* parent, const char* objectName, int height)
    : QWidget(parent), model_(model) {
  setObjectName(QLatin1String(objectName));
  setFixedSize(TModeButtonsCP::kWidth, height);
}

void TModeButtonsView::AddButton(const char* name, int32_t tag, TIcon picture, int left, int top,
                                 std::string_view caption, const char* captionName, std::string_view hint) {
  auto* button = new TCustomSpeedButton(this);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(left, top, kModeButtonSize, kModeButtonSize);
  button->setIconSize(QSize(26, 26));
  button->SetGlyph(WavoraIcon(picture));
  button->SetHint(QtText(hint));
  button->SetGroupIndex(kGroup);
  button->SetDown(tag == model_.DownTag());
  connect(button, &QAbstractButton::clicked, this, [this, tag] { model_.TypeClick(tag); });
  if (caption.empty()) return;
  auto* label = new QLabel(QtText(caption), this);
  label->setObjectName(QLatin1String(captionName));
  // Wider than the button, so that two-word captions such as "Indian Ocean" fit.
  label->setGeometry(left + (kModeButtonSize - kCaptionWidth) / 2, top + kModeButtonSize, kCaptionWidth,
                     kCaptionHeight);
  label->setAlignment(Qt::AlignCenter);
}

void TModeButtonsView::AddHeading(const char* name, std::string_view text, int top) {
  auto* heading = new QLabel(QtText(text), this);
  heading->setObjectName(QLatin1String(name));
  heading->setGeometry(8, top, TModeButtonsCP::kWidth - 16, 20);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
}

}  // namespace wavora
