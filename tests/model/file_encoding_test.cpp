#include "model/file_encoding.h"

#include <gtest/gtest.h>

namespace wavora {
namespace {

// "Brechung – Wellenlänge" in memory (UTF-8) and as older programs wrote it (Windows-1252).
const std::string kUtf8Name = "Brechung \xE2\x80\x93 Wellenl\xC3\xA4nge";
const std::string kWindowsName = "Brechung \x96 Wellenl\xE4nge";

TEST(FileEncoding, ReadsUtf8AsItStandsAndOtherBytesAsWindows1252) {
  struct TCase {
    std::string bytes;
    std::string text;
  };
  for (const TCase& c : {TCase{kWindowsName, kUtf8Name}, TCase{kUtf8Name, kUtf8Name},
                         TCase{"\xEF\xBB\xBF<TSlideshow />", "<TSlideshow />"},
                         TCase{"\x80\x81\x9F\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xBF"},
                         TCase{"cut \xE2\x80", "cut \xC3\xA2\xE2\x82\xAC"},
                         TCase{"surrogate \xED\xA0\x80", "surrogate \xC3\xAD\xC2\xA0\xE2\x82\xAC"}}) {
    EXPECT_EQ(DecodeFileText(c.bytes), c.text) << c.bytes;
  }
}

TEST(FileEncoding, WritesWindows1252WhereEveryCharacterHasACodeThatReadsBackTheSame) {
  struct TCase {
    std::string text;
    std::string bytes;
  };
  for (const TCase& c : {TCase{kUtf8Name, kWindowsName}, TCase{"plain <ASCII/>", "plain <ASCII/>"},
                         // No code for the tick: the whole file stays UTF-8.
                         TCase{kUtf8Name + " \xE2\x9C\x93", kUtf8Name + " \xE2\x9C\x93"},
                         // "Ã©" in Windows-1252 is the UTF-8 of "é" and would come back so.
                         TCase{"\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9"}}) {
    EXPECT_EQ(EncodeFileText(c.text), c.bytes) << c.text;
    EXPECT_EQ(DecodeFileText(EncodeFileText(c.text)), c.text);
  }
}

TEST(FileEncoding, EveryWindows1252ByteSurvivesReadingAndWriting) {
  for (int code = 0x80; code <= 0xFF; ++code) {
    const std::string bytes = "x" + std::string(1, static_cast<char>(code));
    EXPECT_EQ(EncodeFileText(DecodeFileText(bytes)), bytes) << code;
  }
}

}  // namespace
}  // namespace wavora
