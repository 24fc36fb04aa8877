#pragma once

#include "model/messenger_actions.h"
#include "model/undo_record.h"

namespace wavora {

// Carries a finished message's undo record to the first undo manager it reaches, once.
class TXNPostUndoRecordAction : public TXNBasicAction {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Wants undo managers only, and is done after its first performance.
  void Init() override;

  const TRef<TXNUndoRecord>& UndoRecord() const { return undoRecord_; }
  void SetUndoRecord(const TRef<TXNUndoRecord>& value) { undoRecord_ = value; }

  // Hands the undo record to the node it is performed on.
  void PerformAction(const iXMLNode& node, const TRef<iXNMessenger>& sender) override;

 private:
  TRef<TXNUndoRecord> undoRecord_;
};

}  // namespace wavora
