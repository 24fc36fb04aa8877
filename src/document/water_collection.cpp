#include "document/water_collection.h"

#include "sim/water.h"

namespace wavora {

const TClassInfo& TWaterCollection::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TWaterCollection>("TWaterCollection", &TXMLNode::StaticClassInfo())
          .Integer("ActiveID", &TWaterCollection::ActiveID, &TWaterCollection::ActiveID)
          .SessionState()
          .Single("Version", &TWaterCollection::GetVersion, &TWaterCollection::SetVersion)
          .Build();
  return info;
}

const TClassInfo& TSlideshow::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TSlideshow>("TSlideshow", &TWaterCollection::StaticClassInfo()).Build();
  return info;
}

int TWaterCollection::add(const iXMLNode& node) {
  const int index = TXMLNode::add(node);
  if (index >= 0) {
    if (const TRef<TWater> water = RefCast<TWater>(node)) water->SetSize(tankWidth_, tankHeight_);
  }
  return index;
}

TRef<TWater> TWaterCollection::GetWater(int index) const {
  if (index < 0 || index >= GetChildCount()) return {};
  return RefCast<TWater>(GetChildren(index));
}

std::string TWaterCollection::SlideName(int index) const {
  const TRef<TWater> water = GetWater(index);
  return water ? water->GetName() : std::string();
}

std::string TWaterCollection::SlideDescription(int index) const {
  const TRef<TWater> water = GetWater(index);
  return water ? water->GetDescription() : std::string();
}

int32_t TWaterCollection::SlideUniqueID(int index) const {
  const TRef<TWater> water = GetWater(index);
  return water ? water->GetUniqueID() : 0;
}

void TWaterCollection::DrawSlide(int index, TFastDIB& image) const {
  if (const TRef<TWater> water = GetWater(index)) water->DrawOnly(image);
}

void TWaterCollection::SetTankSize(int32_t width, int32_t height) {
  tankWidth_ = width;
  tankHeight_ = height;
  for (int i = 0; i < GetChildCount(); ++i) {
    if (const TRef<TWater> water = GetWater(i)) water->SetSize(width, height);
  }
}

void TWaterCollection::PrepareAfterLoad() {
  const TRef<TWater> active = GetActiveWater();
  for (int i = 0; i < GetChildCount(); ++i) {
    if (const TRef<TWater> water = GetWater(i)) water->RenewUniqueIDs();
  }
  if (active) ActiveID = active->GetUniqueID();
}

TRef<TWater> TSlideshow::GetActiveWater() const {
  TRef<TWater> found;
  for (int i = 0; i < GetChildCount(); ++i) {
    const TRef<TWater> water = GetWater(i);
    if (water && water->GetUniqueID() == ActiveID) found = water;
  }
  return found;
}

}  // namespace wavora
