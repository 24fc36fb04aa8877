#include "model/messenger.h"
#include "model/messenger_filters.h"
#include "model/node.h"

namespace wavora {

void TBasicXMLNode::PassBack(const iXMLNode& sender, const TRef<iXNMessenger>& messenger) {
  if (messenger) messenger->DoProcessOnPassback(sender, Self());
}

void TBasicXMLNode::SendXNMessage(const TRef<iXNAction>& action, TSendMessageVisits visiting) {
  const iXMLNode self = Self();
  const TRef<TXNMessenger> messenger(new TXNMessenger());
  switch (visiting) {
    case smvAll:
      messenger->SetPassForward(true);
      messenger->SetProcessOnPassBack(true);
      break;
    case smvAllExceptChildren:
      messenger->SetProcessOnPassBack(true);
      break;
    case smvParentsOnly:
      messenger->SetProcessOnPassBack(true);
      messenger->AddFilter(TRef<iXNFilter>(new TXNNoBranchingFilter()));
      break;
    case smvOtherBranchesFromRoot:
      break;
    case smvChildrenOnly:
      messenger->SetPassForward(true);
      if (const iXMLNode parent = GetParentNode()) {
        messenger->AddFilter(TRef<iXNFilter>(new TXNInstanceFilter(parent, false)));
      }
      break;
  }
  messenger->AddAction(action);
  PassBack(self, messenger);
}

}  // namespace wavora
