#include "sim/map_holder.h"

#include "sim/scene_object.h"

namespace wavora {

const TClassInfo& TMapHolder::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TMapHolder>("TMapHolder", &TXMLNode::StaticClassInfo()).Build();
  return info;
}

int TMapHolder::add(const iXMLNode& node) {
  const int index = TXMLNode::add(node);
  if (index >= 0) {
    if (auto* object = dynamic_cast<TBaseWaterObject*>(node.Get())) object->DetachGrid();
  }
  return index;
}

}  // namespace wavora
