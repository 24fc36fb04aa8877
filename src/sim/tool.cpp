#include "sim/tool.h"

#include "sim/resource_strings.h"
#include "sim/tool_class_list.h"
#include "sim/tool_data.h"

namespace wavora {

const TClassInfo& TBaseTool::StaticClassInfo() {
  static const TClassInfo info = TClassBuilder<TBaseTool>("TBaseTool", &TBaseControl::StaticClassInfo())
                                     .Texts("Base Tool Type", "Need to change this")
                                     .Abstract()
                                     .Build();
  return info;
}

TColour TBaseTool::HandleColour() const {
  return GetActiveTool() ? RGB(210, 210, 254) : RGB(56, 70, 150);
}

int TBaseTool::ListImageIndex() const {
  return ToolImageIndexOf(ClassInfo());
}

std::vector<TListMenuEntry> TBaseTool::ListMenuEntries() {
  // The window keeps the tool alive while its menu is open and the entry runs.
  const auto csv = [this] { return ToolDataCsv(*this); };
  TListMenuEntry save{
      TListMenuEntry::TAction::SaveText,    std::string(rs::SaveData),   csv,
      std::string(rs::SaveDataDialogTitle), std::string(rs::DataFilter), std::string(rs::DataExtension)};
  TListMenuEntry copy{TListMenuEntry::TAction::CopyText, std::string(rs::CopyData), csv, {}, {}, {}};
  return {save, copy};
}

}  // namespace wavora
