#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "sim/base_control.h"
#include "sim/class_list.h"

namespace wavora {

// The medium object of a tank: the only writer of SpeedFactor and Damping. Every mapping pass starts
// from the open tank (ResetMedium), so passes are complete and idempotent, then writes its own cells.
class TBaseRIMap : public TBaseControl {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  void MapToWater() override;
  void HandlesMoved() override { MapToWater(); }
  TColour HandleColour() const override;
  // Its place in the medium class list, which is also its picture's.
  int ListImageIndex() const override;
  // Dragging a medium object re-maps on every step, so the waves stand still meanwhile.
  bool FreezesFieldWhileDragged(const TWater& tank) const override;
  // Whether the frame loop keeps stepping while the user drags the wave source.
  virtual bool RunWhileSourceDragged() const { return true; }
};

// A medium object with one adjustable medium value n (the speed factor relative to the open tank)
// and the refractive-index panel. Concrete classes publish n through GetN/SetN.
class TBaseRIControlRIMapper : public TBaseRIMap {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;

  // n = s / 0.5; writing a different n re-maps.
  float GetN() const { return static_cast<float>(speedFactor_ / 0.5); }
  void SetN(float value);
  // The speed factor written inside the medium.
  float MediumSpeedFactor() const { return speedFactor_; }

 private:
  float speedFactor_ = 0;
};

// The empty tank: the open medium with its absorbing border, nothing else.
class TNoneRIMap : public TBaseRIMap {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  std::unique_ptr<TControlPanelModel> CreateControlPanel() override;
  // The source's wavelength as a scale bar beside it, labelled in mm as the source's panel shows it.
  void AddTheory(const TWater& tank, TTheoryFigure& figure) const override;
  bool CanBeDeleted() const override { return false; }
  bool ActivatedWhenAdded() const override { return false; }
};

// The medium classes offered to the user, filled once at start-up (the empty tank first).
inline void RegisterMapClass(const TClassInfo& mapClass) {
  MediumClasses().Register(mapClass);
}
inline int MapClassCount() {
  return MediumClasses().Count();
}
// The class at index, or none outside 0 .. count - 1.
inline const TClassInfo* MapClass(int index) {
  return MediumClasses().Class(index);
}
// The last index whose class name equals name exactly, or -1.
inline int MapClassIndexOf(std::string_view name) {
  return MediumClasses().LastIndexOfName(name);
}

}  // namespace wavora
