#include "sim/text_language.h"

#include <deque>
#include <mutex>
#include <unordered_map>

#include "model/decimal_text.h"
#include "sim/resource_strings.h"

namespace wavora {

namespace {

// Translations are kept for the whole run (a language switch starts a new set and keeps the old strings), so
// every view handed out stays valid wherever a caller keeps it.
struct TTranslations {
  std::mutex mutex;
  TTextLookup lookup;
  std::deque<std::string> kept;
  std::unordered_map<std::string, std::string_view> current;
};

TTranslations& Translations() {
  static TTranslations translations;
  return translations;
}

}  // namespace

void SetTextLookup(TTextLookup lookup) {
  TTranslations& t = Translations();
  std::lock_guard lock(t.mutex);
  t.lookup = std::move(lookup);
  t.current.clear();
}

std::string_view TranslatedText(std::string_view english) {
  TTranslations& t = Translations();
  std::lock_guard lock(t.mutex);
  if (!t.lookup) return english;
  std::string key(english);
  if (auto found = t.current.find(key); found != t.current.end()) return found->second;
  std::string translated = t.lookup(english);
  std::string_view result = english;
  if (!translated.empty()) result = t.kept.emplace_back(std::move(translated));
  t.current.emplace(std::move(key), result);
  return result;
}

std::string LocalDecimals(std::string number) {
  std::string_view separator = rs::DecimalSeparator;
  if (separator == ".") return number;
  std::string result;
  result.reserve(number.size() + separator.size());
  for (char c : number) {
    if (c == '.')
      result += separator;
    else
      result += c;
  }
  return result;
}

std::string ReadoutNumber(double value, int decimals) {
  return LocalDecimals(FixedText(value, decimals));
}

}  // namespace wavora
