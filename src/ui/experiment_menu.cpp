#include "ui/experiment_menu.h"

#include "document/experiment_preview.h"
#include "sim/ri_map.h"
#include "sim/text_language.h"
#include "ui/dib_image.h"
#include "widgets/icons.h"
#include "widgets/qt_text.h"

namespace wavora {

namespace {

constexpr int kPictureSize = 28;

}  // namespace

TExperimentMenu::TExperimentMenu(QWidget* parent, std::function<void(int)> chosen) : QMenu(parent) {
  setObjectName(QStringLiteral("ExperimentMenu"));
  setToolTipsVisible(true);
  for (int i = 0; i < MapClassCount(); ++i) {
    const QImage image =
        DibToImage(ExperimentPreview(i))
            .scaled(kPictureSize, kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pictures_.push_back(QIcon(QPixmap::fromImage(image)));
    QAction* entry = addAction(pictures_.back(), QString(), this, [chosen, i] { chosen(i); });
    entry->setData(i);
  }
  ApplyCaptions();
}

void TExperimentMenu::ApplyCaptions() {
  for (QAction* entry : actions()) {
    const TClassInfo* medium = MapClass(entry->data().toInt());
    entry->setText(QStringLiteral("  ") + QtText(TranslatedText(medium->TypeName())));
    entry->setToolTip(QtText(TranslatedText(medium->TypeDescription())));
  }
}

QIcon TExperimentMenu::Picture(int classIndex) const {
  return classIndex >= 0 && classIndex < int(pictures_.size()) ? pictures_[size_t(classIndex)]
                                                               : WavoraIcon(TIcon::Experiment);
}

}  // namespace wavora
