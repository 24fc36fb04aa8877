#pragma once

#include <memory>

#include "document/class_registration.h"
#include "document/slide_commands.h"
#include "document/water_collection.h"
#include "model/property_text.h"
#include "sim/exciter.h"
#include "sim/water.h"

namespace wavora {

// A tank with a point source on its middle row and one point tool with its panel, stepped as the
// frame loop steps it: the source, then the tool's AfterStep.
template <class TTool, class TPanel>
struct TPointToolRig {
  explicit TPointToolRig(float wavelength = 25, int panelWidth = 417, int panelHeight = 167) {
    RegisterClasses();
    slideshow->SetTankSize(201, 201);
    tank = AddNewSlide(*slideshow);
    TBaseExciter& source = *tank->GetExciter();
    SetPropertyFromText(source, "BeamType", "0", false);
    SetPropertyFromText(source, "Wavelength", std::to_string(wavelength), false);
    SetPropertyFromText(source, "X1Percent", "30", false);
    tank->add(tool);
    tool->SetX1Percent(60);
    tool->SetY1Percent(50);
    panel.reset(static_cast<TPanel*>(tool->CreateControlPanel().release()));
    panel->SetBoxSize(panelWidth, panelHeight);
  }
  void Steps(int count) {
    for (int i = 0; i < count; ++i)
      tank->Step();
  }
  void Update() { tool->UpdateControlPanel(*panel); }
  TFastDIB& Image() { return *panel->SnapshotImage(); }

  TRef<TWaterCollection> slideshow = MakeNode<TWaterCollection>();
  TRef<TWater> tank;
  TRef<TTool> tool = MakeNode<TTool>();
  std::unique_ptr<TPanel> panel;
};

}  // namespace wavora
