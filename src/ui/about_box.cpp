#include "ui/about_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "sim/resource_strings.h"
#include "widgets/qt_text.h"
#include "widgets/version_label.h"

namespace wavora {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 500;

QLabel* AddLabel(QWidget* parent, std::string_view text, double pointScale, bool bold, QColor colour) {
  auto* label = new QLabel(QtText(text), parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * pointScale);
  font.setBold(bold);
  label->setFont(font);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, colour);
  label->setPalette(colours);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setFixedSize(kWidth, kHeight);
  setModal(true);
  const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
  move(screen.center() - QPoint(kWidth / 2, kHeight / 2));

  const QColor light(236, 242, 250);
  AddLabel(this, rs::AppTitle, 3.2, true, Qt::white)->setGeometry(48, 300, 500, 70);
  AddLabel(this, rs::AboutTagline, 1.3, false, light)->setGeometry(52, 368, 600, 30);
  AddLabel(this, rs::AboutText, 1.0, false, light)->setGeometry(52, 400, 650, 24);
  auto* hint = AddLabel(this, rs::AboutClose, 0.9, false, QColor(170, 186, 208));
  hint->setGeometry(52, 452, 300, 20);
  auto* version = new TVersionLabel(this);
  version->setGeometry(kWidth - 232, kHeight - 44, 200, 20);
  QPalette colours = version->palette();
  colours.setColor(QPalette::WindowText, QColor(170, 186, 208));
  version->setPalette(colours);
  version->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TAboutBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(22, 52, 92));
  sky.setColorAt(1, QColor(10, 24, 44));
  painter.fillRect(rect(), sky);
  // Two sets of circular wave crests that fade with distance and overlap like two point sources.
  const QPointF sources[] = {{560, 190}, {680, 250}};
  for (const QPointF& centre : sources) {
    for (int ring = 1; ring <= 24; ++ring) {
      const double radius = ring * 22.0;
      const int alpha = static_cast<int>(150 * std::exp(-ring / 9.0));
      painter.setPen(QPen(QColor(140, 200, 255, alpha), 3.0));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(centre, radius, radius);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawEllipse(centre, 4, 4);
  }
}

void TAboutBox::mousePressEvent(QMouseEvent*) {
  accept();
}

}  // namespace wavora
