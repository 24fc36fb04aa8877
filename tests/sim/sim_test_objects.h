#pragma once

#include <memory>

#include "model/node.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"
#include "sim/tool.h"
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
  int mapCount = 0;
};

// A medium that asks the loop to stop while the source is dragged.
class TTestWall : public TBaseRIMap {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool RunWhileSourceDragged() const override { return false; }
};

// A line object with two free ends (kind 2).
class TTestLine : public TBaseControl {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int32_t HandleKind() const override { return kind; }
  void HandlesMoved() override { ++movedCount; }
  void GeometryChanged() override {
    TBaseControl::GeometryChanged();
    ++geometryCount;
  }
  void Reset() override { ++resetCount; }
  int32_t kind = 2;
  int movedCount = 0;
  int geometryCount = 0;
  int resetCount = 0;
};

// A line tool that counts its steps.
class TTestTool : public TBaseTool {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Init() override;
  int32_t HandleKind() const override { return 2; }
  void AfterStep() override { ++stepCount; }
  int stepCount = 0;
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
