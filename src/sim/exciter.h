#pragma once

#include <cstdint>

#include "sim/base_control.h"
#include "sim/class_list.h"

namespace wavora {

// The wave source of a tank (its last TBaseExciter child). The tank calls Apply once per time step,
// after the height sweep. This base applies the user's drips; the oscillator and the source shapes
// belong to the concrete source, which writes them in Excite.
class TBaseExciter : public TBaseControl {
 public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // One time step of the source.
  virtual void Apply();
  // Writes the source shape into the grid.
  virtual void Excite() {}

  // Dragging the source freezes the field only over a medium that asks for it.
  bool FreezesFieldWhileDragged(const TWater& tank) const override;
  bool CanBeDeleted() const override { return false; }
  bool ActivatedWhenAdded() const override { return false; }

  // Drips at a pointer position in image coordinates; upward when made with the right button.
  void StartDrip(int32_t X, int32_t Y, bool upward);
  void MoveDrip(int32_t X, int32_t Y);
  void StopDrip() { dripActive_ = false; }
  float DripAmplitude() const { return dripAmplitude_; }

 protected:
  // Grows the drip by 0.3 per step towards +-1 while the button is held, lets it die away by 0.3 per
  // step after release, and writes it into the nine cells around the drip position.
  void ApplyDrip();

 private:
  bool dripActive_ = false;
  bool dripUpward_ = false;
  int32_t dripX_ = 0;
  int32_t dripY_ = 0;
  float dripAmplitude_ = 0;
};

// The source classes, filled once at start-up; a tank without a source creates one of the first.
inline void RegisterExciterClass(const TClassInfo& exciterClass) {
  ExciterClasses().Register(exciterClass);
}
inline int ExciterClassCount() {
  return ExciterClasses().Count();
}
// The class at index, or none outside 0 .. count - 1.
inline const TClassInfo* ExciterClass(int index) {
  return ExciterClasses().Class(index);
}

}  // namespace wavora
