#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace wavora {

// The language the user reads. The table of texts holds the English words; a shell hands the core a lookup
// for the chosen language, and every text reaches the user through it, so one table serves every language
// and both shells.

// Returns the text in the chosen language, or an empty string where the language has none (English stays).
using TTextLookup = std::function<std::string(std::string_view english)>;

// Chooses the language; an empty lookup goes back to English. Texts handed out before stay valid.
void SetTextLookup(TTextLookup lookup);

// The English text in the chosen language. The view stays valid for the program's whole run.
std::string_view TranslatedText(std::string_view english);

// One entry of the table: its English words, read in the chosen language wherever a text is expected.
struct TText {
  std::string_view english;
  operator std::string_view() const { return TranslatedText(english); }
  std::string Str() const { return std::string(TranslatedText(english)); }
  friend bool operator==(const TText& text, std::string_view other) {
    return std::string_view(text) == other;
  }
};

// Marks an entry of the table (the translation sources are gathered from these calls).
constexpr TText Text(std::string_view english) {
  return TText{english};
}

// A number written with '.' (as files keep it) with the chosen language's decimal separator instead.
std::string LocalDecimals(std::string number);
// A read-out's number with this many decimals (rounded halves to even, whatever the C library's
// locale) and the chosen language's decimal separator: "41.2", "41,2".
std::string ReadoutNumber(double value, int decimals);

}  // namespace wavora
