#include "sim/tool_data.h"

#include <string_view>

#include "model/decimal_text.h"
#include "sim/tool.h"
#include "sim/water.h"

namespace wavora {

namespace {

constexpr std::string_view kHeader = "tool,type,quantity,x,x_unit,value,value_unit\r\n";

// A field quoted when it holds a comma, a quote or a line break, with quotes doubled.
void AppendField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

// The shortest text that reads back as the same single-precision number, never in the locale's form.
void AppendNumber(std::string& out, float value) {
  out += ShortestText(value);
}

void AppendTool(std::string& out, int number, const TBaseTool& tool) {
  for (const TToolReading& reading : tool.Readings()) {
    out += std::to_string(number);
    out += ',';
    AppendField(out, tool.TypeName());
    out += ',';
    AppendField(out, reading.quantity);
    out += ',';
    if (reading.x) AppendNumber(out, *reading.x);
    out += ',';
    AppendField(out, reading.xUnit);
    out += ',';
    if (reading.value) AppendNumber(out, *reading.value);
    out += ',';
    AppendField(out, reading.valueUnit);
    out += "\r\n";
  }
}

// Calls visit(number, tool) for the tools of the tank in order, numbered from 1.
template <class Visit>
void ForEachTool(const TWater& tank, Visit visit) {
  int number = 0;
  for (int i = 0; i < tank.GetChildCount(); ++i) {
    if (const auto* tool = dynamic_cast<const TBaseTool*>(tank.GetChildren(i).Get())) visit(++number, *tool);
  }
}

}  // namespace

std::string ToolDataCsv(const TWater& tank) {
  std::string out(kHeader);
  ForEachTool(tank, [&out](int number, const TBaseTool& tool) { AppendTool(out, number, tool); });
  return out;
}

std::string ToolDataCsv(const TBaseTool& tool) {
  std::string out(kHeader);
  if (const TWater* tank = tool.Tank()) {
    ForEachTool(*tank, [&](int number, const TBaseTool& each) {
      if (&each == &tool) AppendTool(out, number, tool);
    });
  } else {
    AppendTool(out, 1, tool);
  }
  return out;
}

}  // namespace wavora
