#include "document/slide_commands.h"

#include <stdexcept>
#include <string>

#include "document/slideshow_file.h"
#include "sim/exciter.h"
#include "sim/resource_strings.h"
#include "sim/ri_map.h"

namespace wavora {

TRef<TWater> AddNewSlide(TWaterCollection& slideshow) {
  if (MapClassCount() == 0) throw std::logic_error("RIMapList is empty!?!?");
  if (ExciterClassCount() != 1)
    throw std::logic_error("ExciterList is assumed to contain one and only one type");
  // A slideshow saved with more slides could not be opened again.
  if (slideshow.SlideCount() >= kMaxSlidesPerFile) throw std::runtime_error(std::string(rs::SlideshowFull));
  const TRef<TWater> water = MakeNode<TWater>();
  water->add(MapClass(0)->Create());
  water->add(ExciterClass(0)->Create());
  slideshow.add(water);
  slideshow.ActiveID = water->GetUniqueID();
  return water;
}

bool DeleteActiveSlide(TWaterCollection& slideshow) {
  const int count = slideshow.SlideCount();
  int index = -1;
  for (int i = 0; i < count; ++i) {
    if (slideshow.SlideUniqueID(i) == slideshow.ActiveID) index = i;
  }
  const TRef<TWater> tank = slideshow.GetWater(index);
  if (!tank || count <= 1) return false;
  slideshow.ActiveID = slideshow.SlideUniqueID(index == count - 1 ? index - 1 : index + 1);
  tank->SetParentNode({});
  return true;
}

TRef<TSlideshow> NewSlideshow(int32_t tankWidth, int32_t tankHeight) {
  const TRef<TSlideshow> slideshow = MakeNode<TSlideshow>();
  slideshow->SetTankSize(tankWidth, tankHeight);
  AddNewSlide(*slideshow);
  return slideshow;
}

}  // namespace wavora
