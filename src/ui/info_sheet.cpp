#include "ui/info_sheet.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

#include "sim/resource_strings.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kMaxName = 100;
constexpr int kMaxDescription = 1000;

}  // namespace

TInfoSheet::TInfoSheet(QWidget* parent, std::function<TRef<TWater>()> current,
                       std::function<void(const TWater&)> left)
    : QWidget(parent),
      current_(std::move(current)),
      left_(std::move(left)),
      name_(new QLineEdit(this)),
      description_(new QPlainTextEdit(this)),
      number_(new QLabel(this)) {
  setObjectName(QStringLiteral("InfoControlPanel"));
  name_->setObjectName(QStringLiteral("InfoSheetName"));
  name_->setGeometry(12, 10, 391, 30);
  name_->setFrame(false);
  name_->setMaxLength(kMaxName);
  name_->setPlaceholderText(QtText(rs::SlideNamePlaceholder));
  name_->setAccessibleName(QtText(rs::SlideNameField));
  QFont title = name_->font();
  title.setPointSizeF(title.pointSizeF() * 1.35);
  title.setBold(true);
  name_->setFont(title);

  description_->setObjectName(QStringLiteral("InfoSheetDescription"));
  description_->setGeometry(12, 44, 391, 116);
  description_->setFrameShape(QFrame::NoFrame);
  description_->setPlaceholderText(QtText(rs::SlideDescriptionPlaceholder));
  description_->setAccessibleName(QtText(rs::SlideDescriptionField));
  // Tab moves on to the next control, so the keyboard is never caught in the description.
  description_->setTabChangesFocus(true);
  for (QWidget* edit : {static_cast<QWidget*>(name_), static_cast<QWidget*>(description_)}) {
    edit->installEventFilter(this);
  }

  number_->setObjectName(QStringLiteral("SlideNumberLbl"));
  number_->hide();

  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (const TRef<TWater> tank = current_()) tank->SetName(text.toStdString());
  });
  connect(name_, &QLineEdit::returnPressed, this, &TInfoSheet::Leave);
  connect(description_, &QPlainTextEdit::textChanged, this, &TInfoSheet::DescriptionChanged);
}

void TInfoSheet::DescriptionChanged() {
  QString text = description_->toPlainText();
  if (text.size() > kMaxDescription) {
    text.truncate(kMaxDescription);
    const QSignalBlocker quiet(description_);
    description_->setPlainText(text);
    description_->moveCursor(QTextCursor::End);
  }
  if (const TRef<TWater> tank = current_()) tank->SetDescription(text.toStdString());
}

void TInfoSheet::ShowSlide(int number) {
  const TRef<TWater> tank = current_();
  const QSignalBlocker quietName(name_);
  const QSignalBlocker quietDescription(description_);
  if (tank) {
    name_->setText(QtText(tank->GetName()));
    description_->setPlainText(QtText(tank->GetDescription()));
    number_->setText(QtText(rs::SlidePrefix) + QString::number(number));
  } else {
    name_->clear();
    description_->clear();
    number_->clear();
  }
}

void TInfoSheet::Leave() {
  const TRef<TWater> tank = current_();
  if (!tank) return;
  // Only what the user typed: the boxes show a long name cut to 100 characters and line breaks as
  // "\n", so storing what they hold would change texts the user never touched.
  if (name_->isModified()) tank->SetName(name_->text().toStdString());
  if (description_->document()->isModified()) tank->SetDescription(description_->toPlainText().toStdString());
  left_(*tank);
}

bool TInfoSheet::Holds(const QWidget* widget) const {
  return widget == name_ || widget == description_ || description_->isAncestorOf(widget);
}

bool TInfoSheet::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    Leave();
  } else if (watched == description_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) Leave();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace wavora
