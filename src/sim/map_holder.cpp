#include "sim/map_holder.h"

namespace wavora {

const TClassInfo& TMapHolder::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TMapHolder>("TMapHolder", &TXMLNode::StaticClassInfo()).Build();
  return info;
}

}  // namespace wavora
