#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/node.h"
#include "sim/base_control.h"
#include "sim/pointer.h"
#include "sim/scene_object.h"
#include "sim/water_grid.h"
#include "sim/water_stepper.h"

namespace wavora {

class TBaseExciter;
class TBaseRIMap;
class TControlPanelModel;
class TFastDIB;
class TMapHolder;

// One tank: the experiment of one slide. Owns the cell grid, advances the field one time step at a
// time, and is the parent of every object placed in it (the medium object, the wave source, tools).
// Children that are not scene objects (the map holder) are skipped by everything below.
class TWater : public TXMLNode {
 public:
  static constexpr float kClip = 3.5f;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Init() override;
  // Scene objects added are attached to the grid; controls are selected (except the source and the
  // empty tank, which never are); a medium object maps itself at once.
  int add(const iXMLNode& node) override;
  void Remove(const iXMLNode& node) override;

  // A new W x H grid of open water with its absorbing border; every scene object is attached again
  // and re-maps.
  void SetSize(int32_t width, int32_t height);
  int32_t W() const { return W_; }
  int32_t H() const { return H_; }
  const TWaterGridRef& Grid() const { return grid_; }
  // How the sweeps run (path and threads); every choice gives the same bits.
  TWaterStepper& Stepper() { return stepper_; }

  // Zeroes height and velocity of every cell, keeps the medium, and resets every scene object.
  void ClearField();
  // One time step: velocity sweep, height sweep, source, then the tools' AfterStep.
  void Step();
  // The same step, writing each interior cell's pixel right after its height (so the image shows
  // the field before the source's writes), then the object pass with tool sampling.
  void StepAndDraw(TFastDIB& image);
  // The image from the grid as it stands, then the object pass without tool sampling.
  void DrawOnly(TFastDIB& image);
  // Draws the scene objects over the image, selected tools last so they lie on top; with sample
  // set each tool gets its AfterStep right before it is drawn.
  void DrawObjects(TFastDIB& image, bool sample);
  // Time steps run since the field was last cleared (or the grid made): how long the waves in it have
  // travelled.
  int64_t StepsRun() const { return stepsRun_; }

  // The last child that is a medium object, or none.
  TRef<TBaseRIMap> GetRIMap() const;
  // The last child that is a source; created from the first source class when missing (none when
  // no source class is registered).
  TRef<TBaseExciter> GetExciter();
  // Switches the medium object to one of mapClass, restoring the one used before from the map
  // holder; the old one is kept there.
  void SetRIMapClass(const TClassInfo& mapClass);

  // Stored name, else the medium object's type name, else "Empty Slide". Setting the value the
  // getter already derives stores nothing, so the name keeps following the medium.
  std::string GetName() const;
  void SetName(const std::string& value);
  std::string GetDescription() const;
  void SetDescription(const std::string& value);
  // The texts as saved: empty while they are derived, so files hold only what the user gave. A file
  // gives them before the medium; older files hold derived texts, which the medium then takes back.
  const std::string& StoredName() const { return name_; }
  void SetStoredName(const std::string& value);
  const std::string& StoredDescription() const { return description_; }
  void SetStoredDescription(const std::string& value);

  int32_t GetUniqueID() const { return uniqueID_; }
  void SetUniqueID(int32_t value) { uniqueID_ = value; }
  // New identifiers for the tank and every scene object in it, at any depth.
  void RenewUniqueIDs();
  // Half the displacement range mapped to the full grey scale of the image.
  float GetExposure() const { return exposure_; }
  void SetExposure(float value) { exposure_ = value; }

  // Field and medium at an image position (Y downward); 0 outside the grid.
  float DisplacementAt(int32_t X, int32_t Y) const;
  float SpeedFactorAt(int32_t X, int32_t Y) const;
  // Bytes of the grid.
  int64_t MemoryUsage() const {
    return static_cast<int64_t>(W_) * H_ * static_cast<int64_t>(sizeof(TWaterCell));
  }

  // The grid row of the source, kept by the source for media that align with it.
  int32_t SourceRow = 0;
  // Where a medium wants the source; the source applies and clears these when it is drawn.
  int32_t SuggestedBeamType = -1;
  int32_t SuggestedBeamRow = 0;
  int32_t SuggestedSourceY = 0;
  int32_t SuggestedSourceX = 0;

  // While on, presses make drips instead of reaching the objects; turning it on deselects all.
  void SetDripMode(bool on);
  bool DripMode() const { return dripMode_; }

  // Pointer events over the tank image (Y downward). Selected tools get the first chance at a press,
  // then the other scene objects in child order; the object that takes it gets every event until
  // the release.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t X, int32_t Y);
  virtual void MouseMove(TShiftState shift, int32_t X, int32_t Y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t X, int32_t Y);
  // The object holding the pointer, or none (a drip holds nothing).
  TRef<TBaseWaterObject> CapturedObject() const;
  // Whether the held object wants the field to stand still while it is dragged.
  bool FrozenByDrag() const;

  // The panels of the medium object and the source, and the medium's identifier, for the main window.
  std::unique_ptr<TControlPanelModel> CreateRIMapControlPanel() const;
  std::unique_ptr<TControlPanelModel> CreateExciterControlPanel();
  int32_t RIMapUniqueID() const;

 private:
  TRef<TMapHolder> FindMapHolder() const;
  void ApplySource();
  // Whether the image can take the field pixel for pixel.
  bool FitsImage(const TFastDIB& image) const;

  int32_t uniqueID_ = 0;
  std::string name_;
  std::string description_;
  // Texts came from a file and may be the derived ones older versions saved; cleared by the medium.
  bool textsMayBeDerived_ = false;
  float exposure_ = 2.55f;
  bool dripMode_ = false;
  int32_t W_ = 0;
  int32_t H_ = 0;
  TWaterGridRef grid_;
  TWaterStepper stepper_;
  int64_t stepsRun_ = 0;
  bool sourceDrag_ = false;
  bool captured_ = false;
  TRef<TBaseWaterObject> capturedObject_;
  // The control last selected by arriving unselected, until a control arrives selected.
  TRef<TBaseControl> selectedOnArrival_;
};

}  // namespace wavora
