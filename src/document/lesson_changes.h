#pragma once

#include <string>

#include "model/node.h"

namespace wavora {

// What a document holds as a lesson, as bytes to compare: every node's class and saved properties,
// children in order, leaving out properties that record the running session (the active slide,
// selections, the source's phases, the stopwatch). Two documents with the same lesson content save
// to files that differ in session state at most.
std::string LessonContent(const TBasicXMLNode& document);

// Whether a document's lesson changed since it was last opened or saved. Comparing what the file
// would hold catches every edit, whichever command, panel or drag made it, and nothing the running
// waves do; an edit taken back by hand counts as no change.
class TLessonChanges {
 public:
  // The document now matches its file (or, new, has nothing worth keeping).
  void MarkUnchanged(const TBasicXMLNode& document) { saved_ = LessonContent(document); }
  bool Changed(const TBasicXMLNode& document) const { return LessonContent(document) != saved_; }
  // Runs layOut, which lays the document out on another tank shape, as no change: handles that objects
  // place themselves (a beam's column, a quick mirror's ends) move with the shape, the lesson does not.
  template <class LayOut>
  void LayOutUnchanged(const TBasicXMLNode& document, LayOut layOut) {
    const bool changed = Changed(document);
    layOut();
    if (!changed) MarkUnchanged(document);
  }

 private:
  std::string saved_;
};

}  // namespace wavora
