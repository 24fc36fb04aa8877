#include "widgets/icons.h"

#include "widgets/widget_palette.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace wavora {

namespace {

constexpr std::array<const char*, kIconCount> kIconFiles = {
    "clear_water",
    "freeze",
    "drips",
    "camera_copy",
    "camera_save",
    "help",
    "new_slide",
    "delete_slide",
    "slideshow_menu",
    "experiment",
    "snap_to_grid",
    "delete_object",
    "arrow_up",
    "arrow_down",
    "tools_tab",
    "slides_tab",
    "lens_convex",
    "lens_concave",
    "mirror_quick",
    "mirror_accurate",
    "refraction_quick",
    "refraction_quick_left",
    "refraction_accurate",
    "circular_quick",
    "circular_accurate",
    "parabolic_quick",
    "parabolic_accurate",
    "earth_reflection",
    "earth_refraction",
    "earth_p_waves",
    "earth_s_waves",
    "tsunami_indian_ocean",
    "tsunami_atlantic",
    "ruler",
    "protractor",
    "cross_section",
    "intensity",
    "stopwatch",
    "paper_tape",
    "level_meter",
    "spectrometer",
    "record",
};

// Pictures of the tool list's image indices.
constexpr struct {
  int imageIndex;
  TIcon icon;
} kToolIcons[] = {
    {1, TIcon::Ruler},     {2, TIcon::Protractor}, {3, TIcon::CrossSection}, {4, TIcon::Intensity},
    {7, TIcon::Stopwatch}, {5, TIcon::PaperTape},  {6, TIcon::LevelMeter},   {8, TIcon::Spectrometer},
};

}  // namespace

QString IconPath(TIcon icon) {
  return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(kIconFiles[static_cast<size_t>(icon)]));
}

namespace {

// One object of T, made on the first call and released with the application object, before the
// image system its icons belong to goes.
template <class T>
T& KeptUntilExit() {
  static T* kept = nullptr;
  if (kept == nullptr) {
    kept = new T();
    qAddPostRoutine([] {
      delete kept;
      kept = nullptr;
    });
  }
  return *kept;
}

}  // namespace

QIcon KeptIcon(const QString& key, const std::function<QIcon()>& make) {
  auto& kept = KeptUntilExit<QHash<QString, QIcon>>();
  const auto found = kept.constFind(key);
  return found != kept.constEnd() ? *found : *kept.insert(key, make());
}

namespace {

// The icons draw in a slate ink with a blue accent; high contrast draws them white and yellow for the
// black window. The pictures are rendered from the recoloured drawing at the sizes the window uses.
QIcon HighContrastIcon(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray drawing = file.readAll();
  drawing.replace("#3a4757", "#ffffff").replace("#3f74c4", "#ffff00");
  QSvgRenderer renderer(drawing);
  QIcon icon;
  for (const int size : {16, 20, 24, 32, 48}) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    icon.addPixmap(picture);
  }
  return icon;
}

// An icon that paints in the colour scheme in use when it paints, so every button follows a switch to
// or from high contrast without being given its glyph again. The high-contrast pictures are rendered
// the first time they are asked for, so a run that never switches renders none.
class TSchemeIconEngine : public QIconEngine {
 public:
  explicit TSchemeIconEngine(QString path) : path_(std::move(path)), standard_(path_) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Current().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Current().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Current().actualSize(size, mode, state);
  }
  QIconEngine* clone() const override { return new TSchemeIconEngine(*this); }

 private:
  const QIcon& Current() {
    if (!WidgetColours().highContrast) return standard_;
    if (highContrast_.isNull()) highContrast_ = HighContrastIcon(path_);
    return highContrast_;
  }

  QString path_;
  QIcon standard_;
  QIcon highContrast_;  // made on the first paint in high contrast
};

}  // namespace

// By index: asked for on every paint of a list item or an arrow.
QIcon WavoraIcon(TIcon icon) {
  QIcon& kept = KeptUntilExit<std::array<QIcon, kIconCount>>()[static_cast<size_t>(icon)];
  if (kept.isNull()) kept = QIcon(new TSchemeIconEngine(IconPath(icon)));
  return kept;
}

QIcon ToolIcon(int imageIndex) {
  for (const auto& entry : kToolIcons) {
    if (entry.imageIndex == imageIndex) return WavoraIcon(entry.icon);
  }
  return {};
}

}  // namespace wavora
