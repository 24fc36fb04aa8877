#include "ui/point_logger_view.h"

#include <QButtonGroup>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "sim/resource_strings.h"
#include "tools/point_logger_cp.h"
#include "ui/tool_panel_view.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

enum class TGlyph { Record, Stop, Clear };

// Our own button glyphs: a red dot to record, a dark square to stop, a crossed-out page to clear.
QIcon DrawGlyph(TGlyph glyph, int size) {
  QPixmap pixmap(size * 2, size * 2);
  pixmap.setDevicePixelRatio(2);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box(size * 0.25, size * 0.25, size * 0.5, size * 0.5);
  switch (glyph) {
    case TGlyph::Record:
      painter.setPen(QPen(QColor(130, 20, 20), 1));
      painter.setBrush(QColor(220, 40, 40));
      painter.drawEllipse(box);
      break;
    case TGlyph::Stop:
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(58, 71, 87));
      painter.drawRect(box.adjusted(1, 1, -1, -1));
      break;
    case TGlyph::Clear:
      painter.setPen(QPen(QColor(58, 71, 87), 1.4));
      painter.setBrush(Qt::white);
      painter.drawRect(box.adjusted(0, -1, 0, 1));
      painter.setPen(QPen(QColor(200, 50, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
      painter.drawLine(box.topLeft(), box.bottomRight());
      painter.drawLine(box.topRight(), box.bottomLeft());
      break;
  }
  return QIcon(pixmap);
}

QIcon Glyph(TGlyph glyph, int size) {
  return KeptIcon(QStringLiteral("logger glyph %1 at %2").arg(static_cast<int>(glyph)).arg(size),
                  [glyph, size] { return DrawGlyph(glyph, size); });
}

QToolButton* Button(QWidget* parent, const char* name, TGlyph glyph, int size, std::string_view hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setIcon(Glyph(glyph, size));
  button->setIconSize(QSize(size, size));
  button->setFixedSize(size, size);
  button->setAutoRaise(true);
  button->setToolTip(QtText(hint));
  return button;
}

}  // namespace

TPointLoggerView::TPointLoggerView(TPointLoggerCP& model, QWidget* parent)
    : TToolPanelView(model, parent),
      model_(model),
      Panel(new QWidget(this)),
      Shape1(new QWidget(Panel)),
      RecButton(Button(Panel, "RecButton", TGlyph::Record, 28, rs::Record)),
      StopButton(Button(Panel, "StopButton", TGlyph::Stop, 26, rs::Stop)),
      ClearButton(Button(Panel, "ClearButton", TGlyph::Clear, 26, rs::ClearTape)) {
  setObjectName(QStringLiteral("TPointLoggerCP"));
  Panel->setObjectName(QStringLiteral("Panel"));
  Panel->setAutoFillBackground(true);
  Panel->setPalette(QPalette(QColor(247, 247, 247)));
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setAutoFillBackground(true);
  Shape1->setPalette(QPalette(QColor(160, 160, 160)));

  auto* group = new QButtonGroup(this);
  for (QToolButton* button : {RecButton, StopButton}) {
    button->setCheckable(true);
    group->addButton(button);
  }
  (model_.RecButtonDown() ? RecButton : StopButton)->setChecked(true);
  connect(RecButton, &QToolButton::clicked, this, [this] { model_.RecButtonClick(); });
  connect(StopButton, &QToolButton::clicked, this, [this] { model_.StopButtonClick(); });
  connect(ClearButton, &QToolButton::clicked, this, [this] {
    model_.ClearButtonClick();
    update();
  });
  RecButton->move(3, 2);
  StopButton->move(4, 32);
  SetBoxLeft(TPointLoggerCP::kStripWidth);
}

void TPointLoggerView::resizeEvent(QResizeEvent* event) {
  TToolPanelView::resizeEvent(event);
  const int strip = TPointLoggerCP::kStripWidth;
  Panel->setGeometry(0, 0, strip, height());
  Shape1->setGeometry(strip - 1, 0, 1, height());
  ClearButton->move(4, height() - ClearButton->height() - 3);
}

}  // namespace wavora
