#include "model/messenger_actions.h"

#include <typeinfo>

namespace wavora {

const TClassInfo& TXNBasicAction::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TXNBasicAction>("TXNBasicAction", &TXMLNode::StaticClassInfo()).Build();
  return info;
}

void TXNBasicAction::AddFilter(const TRef<iXNFilter>& newFilter) {
  if (newFilter) filters_.push_back(newFilter);
}

bool TXNBasicAction::DoYouWantMe(const iXMLNode& node) {
  const TFilterVerdict verdict = JudgeNode(filters_, node);
  return verdict.allowed && !verdict.forbidden;
}

void TXNBasicAction::PerformAction(const iXMLNode&, const TRef<iXNMessenger>&) {
  // Leaving the parent may drop the last reference to this action.
  const iXMLNode keepAlive = Self();
  Perform();
  if (removeAfterPerform_) SetParentNode(nullptr);
}

void TXNBasicAction::Perform() {}

void TXNBasicAction::UnPerform() {}

std::string TXNBasicAction::GetPerformText() const {
  return {};
}

std::string TXNBasicAction::GetUnPerformText() const {
  return {};
}

void TXNBasicAction::InitialiseForUndo() {}

void TXNBasicAction::InitialiseForRedo() {}

bool TXNBasicAction::IsEquivelent(const TRef<iXNAction>& newAction) const {
  if (!newAction) return false;
  const iXNAction& other = *newAction.Get();
  return typeid(*this) == typeid(other);
}

void TXNBasicAction::Merge(const TRef<iXNAction>&) {}

}  // namespace wavora
