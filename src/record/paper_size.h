#pragma once

namespace wavora {

// A sheet of paper in PostScript points (1/72 inch).
struct TPaper {
  double width;
  double height;
};
inline constexpr TPaper kA4Paper{595.276, 841.89};
inline constexpr TPaper kLetterPaper{612, 792};

// The paper of the user's locale (LC_PAPER, else LC_ALL or LANG): Letter where the locale says
// 216 x 279 mm, A4 everywhere else and where the locale cannot be read.
TPaper PaperOfLocale();

}  // namespace wavora
