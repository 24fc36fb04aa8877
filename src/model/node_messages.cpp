#include "model/node.h"

namespace wavora {

void TBasicXMLNode::PassBack(const iXMLNode&, const TRef<iXNMessenger>&) {}

void TBasicXMLNode::SendXNMessage(const TRef<iXNAction>&, TSendMessageVisits) {}

}  // namespace wavora
