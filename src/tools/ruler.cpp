#include "tools/ruler.h"

#include <cmath>

#include "image/fast_dib.h"
#include "sim/resource_strings.h"
#include "tools/tool_label.h"

namespace wavora {

namespace {

constexpr double kEndMarkSize = 4;

}  // namespace

const TClassInfo& TRuler::StaticClassInfo() {
  static const TClassInfo info =
      TClassBuilder<TRuler>("TRuler", &TBaseTool::StaticClassInfo())
          .Texts(std::string(rs::Ruler.english), std::string(rs::RulerDescription.english))
          .Single("X1Percent", &TRuler::GetX1Percent, &TRuler::SetX1Percent)
          .Single("Y1Percent", &TRuler::GetY1Percent, &TRuler::SetY1Percent)
          .Single("X2Percent", &TRuler::GetX2Percent, &TRuler::SetX2Percent)
          .Single("Y2Percent", &TRuler::GetY2Percent, &TRuler::SetY2Percent)
          .Build();
  return info;
}

void TRuler::Init() {
  TBaseTool::Init();
  SetSnapToGrid(false);
  SetX1Percent(20);
  SetY1Percent(20);
  SetX2Percent(60);
  SetY2Percent(20);
}

void TRuler::HandlesMoved() {
  const double dx = X1 - X2;
  const double dy = Y1 - Y2;
  length_ = static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

bool TRuler::HitBody(int32_t x, int32_t y) const {
  return LabelHit(label_, H(), x, y);
}

void TRuler::Draw(TFastDIB& image) {
  const TColour colour = HandleColour();
  const int32_t top = image.Height() - 1;
  image.Line(X1, top - Y1, X2, top - Y2, colour);
  DrawBarArrowHead(image, Point1(), Point2(), colour, kEndMarkSize);
  DrawBarArrowHead(image, Point2(), Point1(), colour, kEndMarkSize);
  const std::string text = ReadOut();
  // Both ends on one cell: the label stays where it was last placed.
  if (const std::optional<TLabelBox> box = LabelRect(image, text, Point1(), Point2())) label_ = *box;
  image.TextOut(label_.left, label_.top, text, LabelTextColour(GetActiveTool()));
}

std::string TRuler::ReadOut() const {
  return OneDecimal(length_, "mm");
}

std::vector<TToolReading> TRuler::Readings() const {
  return {{"length", std::nullopt, "", length_, "mm"}};
}

}  // namespace wavora
