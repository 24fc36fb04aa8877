#include "model/post_undo_record_action.h"

#include "model/undo_manager.h"

namespace wavora {

const TClassInfo& TXNPostUndoRecordAction::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TXNPostUndoRecordAction>("TXNPostUndoRecordAction", &TXNBasicAction::StaticClassInfo())
          .Build();
  return info;
}

void TXNPostUndoRecordAction::Init() {
  TXNBasicAction::Init();
  AddFilter(TRef<iXNFilter>(new TXNInterfaceTypeFilter<iXNUndoManager>(true)));
  SetRemoveAfterPerform(true);
}

void TXNPostUndoRecordAction::PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) {
  if (auto* manager = dynamic_cast<iXNUndoManager*>(node.Get())) manager->AddUndoRecord(undoRecord_);
  TXNBasicAction::PerformAction(node, sender);
}

}  // namespace wavora
