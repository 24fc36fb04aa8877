#include "round_trip.h"

#include <cmath>
#include <string_view>

#include "document/water_collection.h"
#include "model/class_info.h"
#include "model/node_files.h"
#include "model/property_text.h"
#include "model/stream.h"
#include "sim/scene_object.h"

namespace wavora {

namespace {

// A zero is written without its sign, as every file has always had it, so -0 reads back as 0: the
// number it compares equal to.
template <class F>
bool SameFloat(F a, F b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return a == b;
}

bool SameItem(const TArrayItem& a, const TArrayItem& b) {
  if (a.index() != b.index()) return false;
  if (const double* x = std::get_if<double>(&a)) return SameFloat(*x, std::get<double>(b));
  return a == b;
}

bool SameArray(const TArrayValue& a, const TArrayValue& b) {
  if (a.items.size() != b.items.size() || a.groups.size() != b.groups.size()) return false;
  for (size_t i = 0; i < a.items.size(); ++i) {
    if (!SameItem(a.items[i], b.items[i])) return false;
  }
  for (size_t i = 0; i < a.groups.size(); ++i) {
    if (!SameArray(a.groups[i], b.groups[i])) return false;
  }
  return true;
}

bool SameValue(const TPropertyValue& a, const TPropertyValue& b) {
  if (a.index() != b.index()) return false;
  if (const float* x = std::get_if<float>(&a)) return SameFloat(*x, std::get<float>(b));
  if (const double* x = std::get_if<double>(&a)) return SameFloat(*x, std::get<double>(b));
  if (const TArrayValue* x = std::get_if<TArrayValue>(&a)) return SameArray(*x, std::get<TArrayValue>(b));
  return a == b;
}

std::optional<std::string> DifferenceAt(const TBasicXMLNode& first, const TBasicXMLNode& second,
                                        const std::string& path) {
  const TClassInfo& info = first.ClassInfo();
  const std::string here = path + "/" + info.ClassName();
  if (&info != &second.ClassInfo()) return here + ": read back as " + second.ClassInfo().ClassName();
  // An object placed inside another scene object draws a fresh identifier whenever it is added
  // there, so reading it never keeps the one saved.
  const bool freshIdentifier = dynamic_cast<const TBaseWaterObject*>(first.ParentObject()) != nullptr;
  for (const TPropertyInfo& property : info.Properties()) {
    if (freshIdentifier && property.name == "UniqueID") continue;
    const TPropertyValue a = property.get(first);
    const TPropertyValue b = property.get(second);
    if (!SameValue(a, b)) {
      return here + "." + property.name + ": \"" + ValueAsText(property, a) + "\" read back as \"" +
             ValueAsText(property, b) + "\"";
    }
  }
  if (first.GetChildCount() != second.GetChildCount()) {
    return here + ": " + std::to_string(first.GetChildCount()) + " children read back as " +
           std::to_string(second.GetChildCount());
  }
  for (int i = 0; i < first.GetChildCount(); ++i) {
    if (auto difference =
            DifferenceAt(*first.GetChildren(i), *second.GetChildren(i), here + "[" + std::to_string(i) + "]"))
      return difference;
  }
  return std::nullopt;
}

std::string Saved(const TBasicXMLNode& node) {
  TStream stream;
  node.SaveToStream(stream, true, 0);
  return stream.Data();
}

// The text with every identifier's digits taken out: identifiers are compared in the trees, where
// those drawn afresh on reading are known. Only attributes count: a name or description may hold the
// words UniqueID=" too.
std::string WithoutIdentifiers(const std::string& text) {
  static constexpr std::string_view kIdentifier = "UniqueID=\"";
  std::string out;
  out.reserve(text.size());
  bool inTag = false, inValue = false;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (inTag && !inValue && std::string_view(text).substr(at).starts_with(kIdentifier)) {
      out += kIdentifier;
      at += kIdentifier.size();
      while (at < text.size() && text[at] != '"')
        ++at;
      out += '"';
      continue;
    }
    out += c;
    if (c == '"' && inTag) {
      inValue = !inValue;
    } else if (!inValue) {
      if (c == '<') inTag = true;
      if (c == '>') inTag = false;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> TreeDifference(const TBasicXMLNode& first, const TBasicXMLNode& second) {
  return DifferenceAt(first, second, "");
}

std::optional<std::string> RoundTripDifference(const TWaterCollection& slideshow) {
  std::string text = Saved(slideshow);
  TStream stream(text);
  const TRef<TWaterCollection> reread = RefCast<TWaterCollection>(ReadNodeFromStream(stream));
  if (!reread) return "the saved slideshow did not read back as one";
  reread->SetTankSize(slideshow.TankWidth(), slideshow.TankHeight());
  if (auto difference = TreeDifference(slideshow, *reread)) return difference;
  const std::string again = WithoutIdentifiers(Saved(*reread));
  text = WithoutIdentifiers(text);
  if (again != text) {
    size_t at = 0;
    while (at < text.size() && at < again.size() && text[at] == again[at])
      ++at;
    return "saving again changed the text at byte " + std::to_string(at) + ": \"" + text.substr(at, 60) +
           "\" became \"" + again.substr(at, 60) + "\"";
  }
  return std::nullopt;
}

}  // namespace wavora
