#include "sim/ri_map.h"

#include "sim/refractive_index_cp.h"
#include "sim/resource_strings.h"
#include "sim/simple_message_cp.h"
#include "sim/theory_physics.h"

namespace wavora {

const TClassInfo& TBaseRIMap::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TBaseRIMap>("TBaseRIMap", &TBaseControl::StaticClassInfo())
                                     .Texts("Base Mapper Type", "Need to change this")
                                     .Abstract()
                                     .Build();
  return info;
}

void TBaseRIMap::Init() {
  TBaseControl::Init();
  SetSnapToGrid(false);
}

void TBaseRIMap::MapToWater() {
  if (Grid()) ResetMedium();
}

int TBaseRIMap::ListImageIndex() const {
  return MapClassIndexOf(ClassInfo().ClassName());
}

TColour TBaseRIMap::HandleColour() const {
  return GetActiveTool() ? RGB(210, 12, 48) : RGB(140, 12, 24);
}

bool TBaseRIMap::FreezesFieldWhileDragged(const TWater&) const {
  return true;
}

const TClassInfo& TBaseRIControlRIMapper::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TBaseRIControlRIMapper>("TBaseRIControlRIMapper", &TBaseRIMap::StaticClassInfo())
          .Abstract()
          .Build();
  return info;
}

void TBaseRIControlRIMapper::Init() {
  TBaseRIMap::Init();
  SetN(0.5454f);
}

void TBaseRIControlRIMapper::SetN(float value) {
  // Only 0 <= n <= 1 is a medium the explicit step can run: a speed factor above 0.5 breaks its
  // stability limit and a negative one grows without bound. Files are held to that range.
  if (!(value >= 0)) value = 0;
  if (value > 1) value = 1;
  const float s = static_cast<float>(value * 0.5);
  if (s == speedFactor_) return;
  speedFactor_ = s;
  MapToWater();
}

std::unique_ptr<TControlPanelModel> TBaseRIControlRIMapper::CreateControlPanel() {
  auto panel = std::make_unique<TRefractiveIndexCP>();
  panel->Bind(this);
  panel->SetValue(GetN());
  return panel;
}

const TClassInfo& TNoneRIMap::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TNoneRIMap>("TNoneRIMap", &TBaseRIMap::StaticClassInfo())
                                     .Texts(std::string(rs::EmptyTank.english), " ")
                                     .Build();
  return info;
}

std::unique_ptr<TControlPanelModel> TNoneRIMap::CreateControlPanel() {
  return std::make_unique<TSimpleMessageCP>(std::string());
}

void TNoneRIMap::AddTheory(const TWater& tank, TTheoryFigure& figure) const {
  const TGeneralExciter* source = TankSource(tank);
  if (!source) return;
  const double wavelength = source->GetWavelength();
  const TTheoryPoint at = SourcePlace(*source);
  // Below the source, or above it near the tank's foot; from just right of it.
  const double y = at.y - 14 > 6 ? at.y - 14 : at.y + 14;
  const double left = at.x + 6, right = left + wavelength;
  figure.lines.push_back({left, y, right, y});
  for (const double x : {left, right})
    figure.lines.push_back({x, y - 4, x, y + 4});
  figure.labels.push_back(
      {(left + right) / 2, y + (y < at.y ? -10 : 10), "\u03bb=" + ReadoutNumber(wavelength, 1) + "mm"});
}

}  // namespace wavora
