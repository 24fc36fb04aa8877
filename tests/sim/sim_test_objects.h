#pragma once

#include "model/node.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"
#include "sim/sampling_tool.h"
#include "sim/water.h"

namespace wavora::test {

// A rectangular block of slower medium between point 1 and point 2, the way a concrete medium follows
// the mapping contract.
class TTestBlock : public TBaseRIControlRIMapper {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Init() override;
  void MapToWater() override;
  int32_t HandleKind() const override { return 2; }
};

// A line object with two free ends (kind 2).
class TTestLine : public TBaseControl {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int32_t HandleKind() const override { return 2; }
};

// A line tool that samples the field, as the cross-section tool does; unsnapped.
class TTestTool : public TBaseSamplingTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Init() override;
};

// A source that writes nothing but drips.
class TTestSource : public TBaseExciter {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int32_t HandleKind() const override { return 1; }
};

// Fills the class lists and the node registry once per process: the empty tank and the test block as
// medium classes, the test source as the only source class.
void RegisterSimTestClasses();

// A tank of the given size with the empty medium, as a new slide gets it.
TRef<TWater> MakeTank(int32_t width, int32_t height);

}  // namespace wavora::test
