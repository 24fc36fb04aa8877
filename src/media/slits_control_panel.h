#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/colour.h"
#include "sim/control_panel_model.h"

namespace wavora {

class TSlitsRIMapper;

// The slits' panel: three rows of caption, readout and track bar for the number of slits, their
// width and the spacing between them. Each bar writes its property by name, so the edit is recorded
// like any other.
class TSlitsControlPanel : public TControlPanelModel {
 public:
  static constexpr int32_t kWidth = 177;
  static constexpr int32_t kHeight = 142;
  static constexpr TColour kBackground = RGB(247, 247, 247);

  enum TBar { SlitCount, WidthBar, SpacingBar };
  static constexpr int kBarCount = 3;

  struct TRow {
    std::string_view caption;   // SlitLabel, SizeLabel, SpacingLabel
    std::string_view property;  // the mapper's property the bar writes
    std::string_view unit;      // appended to the readout
    int32_t min;
    int32_t max;
    std::string_view readoutName;  // SlitNumber, SizeNumber, SpacingNumber
    std::string_view barName;      // SlitCount, WidthBar, SpacingBar
  };
  static const TRow& Row(TBar bar);

  TSlitsControlPanel();

  // Binds the panel to a mapper (not owned; none unbinds); each bar takes the mapper's value.
  void Bind(TSlitsRIMapper* mapper);
  TSlitsRIMapper* Mapper() const { return mapper_; }

  int32_t Position(TBar bar) const { return positions_[bar]; }
  // Moves a bar as the user does: a new position runs its change handler.
  void SetPosition(TBar bar, int32_t position);
  // SlitCountChange, WidthBarChange, SpacingBarChange: the readout, then the property.
  void BarChange(TBar bar);
  // SlitNumber, SizeNumber, SpacingNumber.
  const std::string& Readout(TBar bar) const { return readouts_[bar]; }

 protected:
  // Each row's readout, then its bar.
  std::vector<TPanelControl> OwnControls() const override;
  TChangeResult ApplyChange(const TPanelControl& control, int32_t value) override;

 private:
  void RefreshReadout(TBar bar);

  TSlitsRIMapper* mapper_ = nullptr;
  std::array<int32_t, kBarCount> positions_{1, 15, 40};
  std::array<std::string, kBarCount> readouts_;
};

}  // namespace wavora
