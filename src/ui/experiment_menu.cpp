#include "ui/experiment_menu.h"

#include "document/water_collection.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"
#include "sim/water.h"
#include "ui/dib_image.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kPictureSize = 28;
// Preview tanks are four times the picture's width, run a little so their waves show.
constexpr int kPreviewTankSize = 4 * kPictureSize;
constexpr int kPreviewSteps = 60;

}  // namespace

TExperimentMenu::TExperimentMenu(QWidget* parent, std::function<void(int)> chosen) : QMenu(parent) {
  setObjectName(QStringLiteral("ExperimentMenu"));
  setToolTipsVisible(true);
  const TRef<TSlideshow> previews = MakeNode<TSlideshow>();
  previews->SetTankSize(kPreviewTankSize, kPreviewTankSize);
  TFastDIB picture(kPreviewTankSize, kPreviewTankSize);
  for (int i = 0; i < MapClassCount(); ++i) {
    const TRef<TWater> tank = MakeNode<TWater>();
    if (const TClassInfo* source = ExciterClass(0)) tank->add(source->Create());
    tank->add(MapClass(i)->Create());
    previews->add(tank);
    for (int step = 0; step < kPreviewSteps; ++step)
      tank->Step();
    previews->DrawSlide(previews->GetChildCount() - 1, picture);
    const QImage image = DibToImage(picture).scaled(kPictureSize, kPictureSize, Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation);
    pictures_.push_back(QIcon(QPixmap::fromImage(image)));
    QAction* entry = addAction(pictures_.back(), QStringLiteral("  ") + QtText(MapClass(i)->TypeName()), this,
                               [chosen, i] { chosen(i); });
    entry->setToolTip(QtText(MapClass(i)->TypeDescription()));
    entry->setData(i);
  }
}

QIcon TExperimentMenu::Picture(int classIndex) const {
  return classIndex >= 0 && classIndex < int(pictures_.size()) ? pictures_[size_t(classIndex)]
                                                               : WavoraIcon(TIcon::Experiment);
}

}  // namespace wavora
