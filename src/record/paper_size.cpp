#include "record/paper_size.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdint>

namespace wavora {

TPaper PaperOfLocale() {
  const locale_t locale = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
  if (!locale) return kA4Paper;
  // glibc gives the paper's sides in millimetres as numbers in the place of the text.
  const auto millimetres = [locale](nl_item item) {
    return static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo_l(item, locale)));
  };
  const bool letter = millimetres(_NL_PAPER_WIDTH) == 216 && millimetres(_NL_PAPER_HEIGHT) == 279;
  freelocale(locale);
  return letter ? kLetterPaper : kA4Paper;
}

}  // namespace wavora
