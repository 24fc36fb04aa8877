#pragma once

#include <vector>

#include "model/node.h"

namespace wavora {

// Decides, for one node, whether it belongs to what a messenger or an action wants. A filter either
// allows the nodes it matches or forbids them.
class iXNFilter : public virtual TRefCounted {
 public:
  // Adds this filter's verdict on the node to the four flags the caller collects over all its
  // filters; a flag once True stays True.
  virtual void IsNodeDeadEnd(const iXMLNode& node, bool& hasForbids, bool& forbidden, bool& hasAllows,
                             bool& allowed) = 0;
};

// The verdicts of a list of filters on one node.
struct TFilterVerdict {
  bool hasForbids = false;
  bool forbidden = false;
  bool hasAllows = false;
  bool allowed = false;
};
TFilterVerdict JudgeNode(const std::vector<TRef<iXNFilter>>& filters, const iXMLNode& node);

// A filter that matches nothing; descendants say which nodes they match.
class TXNBasicFilter : public iXNFilter {
 public:
  explicit TXNBasicFilter(bool allow) : allow_(allow) {}

  bool Allow() const { return allow_; }
  void IsNodeDeadEnd(const iXMLNode& node, bool& hasForbids, bool& forbidden, bool& hasAllows,
                     bool& allowed) override;
  virtual bool Matches(const iXMLNode& node) const;

 private:
  bool allow_;
};

// Matches every node whose object implements the interface I.
template <class I>
class TXNInterfaceTypeFilter : public TXNBasicFilter {
 public:
  explicit TXNInterfaceTypeFilter(bool allow) : TXNBasicFilter(allow) {}

  bool Matches(const iXMLNode& node) const override { return dynamic_cast<const I*>(node.Get()) != nullptr; }
};

// Matches one node object. The link owns nothing: an action's filter naming a node that holds the
// action (directly or in an undo record) must not keep that node alive.
class TXNInstanceFilter : public TXNBasicFilter {
 public:
  TXNInstanceFilter(const iXMLNode& instance, bool allow)
      : TXNBasicFilter(allow), instance_(instance.Get()) {}

  bool Matches(const iXMLNode& node) const override;

 private:
  const TBasicXMLNode* instance_;
};

// Forbids every node: a messenger carrying it never walks down into children.
class TXNNoBranchingFilter : public TXNBasicFilter {
 public:
  TXNNoBranchingFilter() : TXNBasicFilter(false) {}

  bool Matches(const iXMLNode& node) const override;
};

}  // namespace wavora
