#include "document/experiment_preview.h"

#include "document/water_collection.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr int kPreviewSteps = 60;

}  // namespace

TFastDIB ExperimentPreview(int classIndex) {
  const TClassInfo* medium = MapClass(classIndex);
  if (!medium) return TFastDIB();
  const TRef<TSlideshow> preview = MakeNode<TSlideshow>();
  preview->SetTankSize(kExperimentPreviewSize, kExperimentPreviewSize);
  const TRef<TWater> tank = MakeNode<TWater>();
  if (const TClassInfo* source = ExciterClass(0)) tank->add(source->Create());
  tank->add(medium->Create());
  preview->add(tank);
  for (int step = 0; step < kPreviewSteps; ++step)
    tank->Step();
  TFastDIB picture(kExperimentPreviewSize, kExperimentPreviewSize);
  preview->DrawSlide(0, picture);
  return picture;
}

}  // namespace wavora
