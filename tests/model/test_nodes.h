#pragma once

#include <string>

#include "model/node.h"
#include "model/node_registry.h"

namespace wavora::testing {

enum class TTestShape { tsRound, tsSquare, tsStar };

// A node publishing one property of every kind the text format knows. Its initialisation gives
// non-zero values to some of them, as real classes do (a source that starts switched on).
class TTestNode : public TXMLNode {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Init() override;

  int32_t count = 0;
  int32_t level = 0;  // declared default 3
  bool on = false;
  bool visible = false;
  TTestShape shape = TTestShape::tsRound;
  float gain = 0;
  float offset = 0;
  double precise = 0;
  std::string name;
  std::string caption;
  int64_t big = 0;
  TArrayValue numbers;  // 1-D, Int32
  TArrayValue words;    // 2-D, String
};

// A plain child class to nest under TTestNode.
class TTestLeaf : public TXMLNode {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::string label;
};

// A class whose only property name begins with "xml", which the writer must refuse.
class TTestXmlNamed : public TXMLNode {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int32_t value = 1;
};

// Registers the test classes with the program's registry once.
void RegisterTestNodes();

}  // namespace wavora::testing
