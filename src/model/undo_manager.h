#pragma once

#include "model/undo_record.h"

namespace wavora {

// A node that keeps the undo records of the messages sent through its part of the tree.
class iXNUndoManager : public virtual TRefCounted {
 public:
  virtual void AddUndoRecord(const TRef<TXNUndoRecord>& undoRecord) = 0;
};

}  // namespace wavora
