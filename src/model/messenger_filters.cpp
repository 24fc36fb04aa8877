#include "model/messenger_filters.h"

namespace wavora {

void TXNBasicFilter::IsNodeDeadEnd(const iXMLNode& node, bool& hasForbids, bool& forbidden, bool& hasAllows,
                                   bool& allowed) {
  if (!node) return;
  if (allow_) {
    hasAllows = true;
    if (!allowed) allowed = Matches(node);
  } else {
    hasForbids = true;
    if (!forbidden) forbidden = Matches(node);
  }
}

bool TXNBasicFilter::Matches(const iXMLNode&) const {
  return false;
}

bool TXNInstanceFilter::Matches(const iXMLNode& node) const {
  return node.Get() == instance_;
}

bool TXNNoBranchingFilter::Matches(const iXMLNode&) const {
  return true;
}

TFilterVerdict JudgeNode(const std::vector<TRef<iXNFilter>>& filters, const iXMLNode& node) {
  TFilterVerdict verdict;
  for (const TRef<iXNFilter>& filter : filters) {
    filter->IsNodeDeadEnd(node, verdict.hasForbids, verdict.forbidden, verdict.hasAllows, verdict.allowed);
  }
  return verdict;
}

}  // namespace wavora
