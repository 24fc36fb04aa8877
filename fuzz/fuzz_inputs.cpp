#include "fuzz_inputs.h"

#include <set>

#include "document/class_registration.h"
#include "document/slide_clipboard.h"
#include "document/slide_commands.h"
#include "model/node_registry.h"
#include "model/property_text.h"
#include "model/stream.h"
#include "sim/exciter.h"
#include "sim/ri_map.h"
#include "sim/tool_class_list.h"

namespace wavora {

namespace {

constexpr int kSourceShapes = 5;

TRef<TSlideshow> SeedSlideshow() {
  RegisterClasses();
  const TRef<TSlideshow> slideshow = MakeNode<TSlideshow>();
  slideshow->SetTankSize(60, 40);
  for (int shape = 0; shape < kSourceShapes; ++shape) {
    const TRef<TWater> water = AddNewSlide(*slideshow);
    SetPropertyFromText(*water->GetExciter(), "BeamType", std::to_string(shape), false);
    for (int tool = 0; tool < ToolCount(); ++tool)
      water->add(ToolClass(tool)->Create());
  }
  for (int i = 1; i < MapClassCount(); ++i)
    AddNewSlide(*slideshow)->SetRIMapClass(*MapClass(i));
  return slideshow;
}

// A dictionary line: the text quoted, with quotes, backslashes and other bytes escaped.
std::string Entry(const std::string& text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string line = "\"";
  for (const unsigned char c : text) {
    if (c == '"' || c == '\\') {
      line += '\\';
      line += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x7F) {
      line += "\\x";
      line += kHex[c >> 4];
      line += kHex[c & 15];
    } else {
      line += static_cast<char>(c);
    }
  }
  return line + "\"\n";
}

}  // namespace

std::string SeedSlideshowText() {
  TStream stream;
  SeedSlideshow()->SaveToStream(stream, true, 0);
  return stream.Data();
}

std::vector<std::string> SeedSlideTexts() {
  const TRef<TSlideshow> slideshow = SeedSlideshow();
  std::vector<std::string> texts;
  for (int i = 0; i < slideshow->SlideCount(); ++i)
    texts.push_back(SlideClipboardText(*slideshow->GetWater(i)));
  return texts;
}

std::string FuzzDictionary() {
  RegisterClasses();
  std::set<std::string> words;
  for (int i = 0; i < NodeRegistry().NodeCount(); ++i) {
    const TClassInfo& info = *NodeRegistry().GetEntry(i).nodeClass;
    words.insert("<" + info.ClassName());
    words.insert("</" + info.ClassName() + ">");
    for (const TPropertyInfo& property : info.Properties()) {
      words.insert(" " + property.name + "=\"");
      words.insert("<" + property.name + ">");
      for (const std::string& valueName : property.valueNames)
        words.insert(valueName);
      for (const std::string& valueName : property.arrayType.valueNames)
        words.insert(valueName);
    }
  }
  std::string dictionary;
  for (const std::string& word : words)
    dictionary += Entry(word);
  return dictionary;
}

}  // namespace wavora
