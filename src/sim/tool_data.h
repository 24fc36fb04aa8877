#pragma once

#include <string>

namespace wavora {

class TBaseTool;
class TWater;

// The readings of tools as CSV for spreadsheets (RFC 4180: comma-separated, CRLF line ends, '.'
// decimals whatever the user's locale), in long form under the header
//   tool,type,quantity,x,x_unit,value,value_unit
// where tool numbers the tools of the tank from 1 in the tank's order and type is the type name.

// Every tool of the tank.
std::string ToolDataCsv(const TWater& tank);
// One tool, numbered as it stands in its tank. A line tool reads at its panel's columns, so a panel
// not shown lately is brought up to date first (RefreshPanel).
std::string ToolDataCsv(const TBaseTool& tool);

}  // namespace wavora
