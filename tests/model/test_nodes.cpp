#include "test_nodes.h"

namespace wavora::testing {

const TClassInfo& TTestNode::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TTestNode>("TTestNode", &TXMLNode::StaticClassInfo())
          .Integer("Count", &TTestNode::count, &TTestNode::count)
          .Integer("Level", &TTestNode::level, &TTestNode::level, 3)
          .Boolean("ON", &TTestNode::on, &TTestNode::on)
          .Boolean("Visible", &TTestNode::visible, &TTestNode::visible)
          .Enumeration("Shape", {"tsRound", "tsSquare", "tsStar"}, &TTestNode::shape, &TTestNode::shape)
          .Single("Gain", &TTestNode::gain, &TTestNode::gain)
          .Single("Offset", &TTestNode::offset, &TTestNode::offset)
          .Double("Precise", &TTestNode::precise, &TTestNode::precise)
          .String("Name", &TTestNode::name, &TTestNode::name)
          .String("Caption", &TTestNode::caption, &TTestNode::caption)
          .Int64("Big", &TTestNode::big, &TTestNode::big)
          .DynArray("Numbers", TArrayType::Of(1, TArrayElementKind::Int32), &TTestNode::numbers,
                    &TTestNode::numbers)
          .DynArray("Words", TArrayType::Of(2, TArrayElementKind::String), &TTestNode::words,
                    &TTestNode::words)
          .Build();
  return info;
}

void TTestNode::Init() {
  TXMLNode::Init();
  level = 3;
  on = true;
  gain = 1.5f;
}

const TClassInfo& TTestLeaf::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TTestLeaf>("TTestLeaf", &TXMLNode::StaticClassInfo())
                                     .String("Label", &TTestLeaf::label, &TTestLeaf::label)
                                     .Build();
  return info;
}

const TClassInfo& TTestXmlNamed::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TTestXmlNamed>("TTestXmlNamed", &TXMLNode::StaticClassInfo())
                                     .Integer("XmlValue", &TTestXmlNamed::value, &TTestXmlNamed::value)
                                     .Build();
  return info;
}

void RegisterTestNodes() {
  for (const TClassInfo* info :
       {&TTestNode::StaticClassInfo(), &TTestLeaf::StaticClassInfo(), &TTestXmlNamed::StaticClassInfo()}) {
    if (NodeRegistry().IndexOfClass(info) < 0) NodeRegistry().RegisterNode(info);
  }
}

}  // namespace wavora::testing
