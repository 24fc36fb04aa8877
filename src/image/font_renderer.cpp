#include "image/font_renderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>

namespace wavora {

namespace {

// Rendered glyphs are kept until they take this many bytes, then the cache starts afresh.
constexpr size_t kGlyphCacheBytes = size_t{8} << 20;

// Light hinting snaps outlines vertically only: crisp small text whose glyph shapes stay close to
// the design, and no dependence on a font's own bytecode.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

struct TGlyph {
  TGlyphImage image;
  int advance = 0;  // pixels
};

// A face at one pixel size, with its line metrics.
struct TSizedFace {
  FT_Face face = nullptr;
  int pixelSize = 0;
  int ascent = 0;
  int descent = 0;
};

// The next code point of UTF-8 text, advancing the index. Malformed, overlong and surrogate
// sequences give the first byte as a Latin-1 character.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  }
  if (length > 0 && i + length <= text.size()) {
    bool valid = true;
    for (int k = 1; k < length && valid; ++k) {
      const unsigned char next = byte(i + k);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (valid && code >= minimum && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
      i += length;
      return code;
    }
  }
  ++i;
  return lead;
}

// The process-wide FreeType library with the faces and glyphs loaded so far. Everything is reached
// under one lock because FreeType objects must not be used from two threads at once.
class TFontCache {
 public:
  static TFontCache& Instance() {
    static TFontCache cache;
    return cache;
  }

  TFontCache(const TFontCache&) = delete;
  TFontCache& operator=(const TFontCache&) = delete;

  std::mutex& Mutex() { return mutex_; }

  // The face for a family name at the font's size, or a face of nullptr when no font is installed.
  const TSizedFace& SizedFace(const TFont& font) {
    const int pixelSize = FontPixelSize(font);
    const auto key = std::make_pair(font.name, pixelSize);
    auto found = sizedFaces_.find(key);
    if (found != sizedFaces_.end()) return found->second;
    TSizedFace sized;
    sized.pixelSize = pixelSize;
    sized.face = FaceForFamily(font.name);
    if (sized.face != nullptr && FT_Set_Pixel_Sizes(sized.face, 0, pixelSize) == 0) {
      const FT_Size_Metrics& metrics = sized.face->size->metrics;
      sized.ascent = static_cast<int>((metrics.ascender + 63) >> 6);
      sized.descent = static_cast<int>((-metrics.descender + 63) >> 6);
    } else {
      sized.face = nullptr;
    }
    return sizedFaces_.emplace(key, sized).first->second;
  }

  const TGlyph& Glyph(const TSizedFace& sized, char32_t code) {
    const FT_UInt index = FT_Get_Char_Index(sized.face, code);
    const auto key = std::make_tuple(sized.face, sized.pixelSize, index);
    auto found = glyphs_.find(key);
    if (found != glyphs_.end()) return found->second;
    if (glyphBytes_ > kGlyphCacheBytes) {
      glyphs_.clear();
      glyphBytes_ = 0;
    }
    TGlyph glyph = Render(sized, index);
    glyphBytes_ += glyph.image.coverage.size() + sizeof(TGlyph);
    return glyphs_.emplace(key, std::move(glyph)).first->second;
  }

 private:
  TFontCache() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }

  ~TFontCache() {
    for (auto& [file, face] : facesByFile_)
      FT_Done_Face(face);
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }

  FT_Face FaceForFamily(const std::string& family) {
    auto found = facesByFamily_.find(family);
    if (found != facesByFamily_.end()) return found->second;
    FT_Face face = nullptr;
    std::string file;
    int index = 0;
    if (library_ != nullptr && MatchFamily(family, file, index)) {
      const auto key = std::make_pair(file, index);
      auto loaded = facesByFile_.find(key);
      if (loaded != facesByFile_.end()) {
        face = loaded->second;
      } else if (FT_New_Face(library_, file.c_str(), index, &face) == 0) {
        facesByFile_.emplace(key, face);
      } else {
        face = nullptr;
      }
    }
    facesByFamily_.emplace(family, face);
    return face;
  }

  // Asks fontconfig for the best scalable face of a family; its aliases map "Arial" to a face with
  // the same metrics and unknown names to the default sans face.
  static bool MatchFamily(const std::string& family, std::string& file, int& index) {
    FcConfig* config = FcConfigGetCurrent();
    if (config == nullptr) return false;
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return false;
    FcChar8* path = nullptr;
    int faceIndex = 0;
    const bool found = FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr;
    if (found) {
      file = reinterpret_cast<const char*>(path);
      if (FcPatternGetInteger(match, FC_INDEX, 0, &faceIndex) != FcResultMatch) faceIndex = 0;
      index = faceIndex;
    }
    FcPatternDestroy(match);
    return found;
  }

  static TGlyph Render(const TSizedFace& sized, FT_UInt index) {
    TGlyph glyph;
    FT_Face face = sized.face;
    if (FT_Set_Pixel_Sizes(face, 0, sized.pixelSize) != 0) return glyph;
    if (FT_Load_Glyph(face, index, kLoadFlags) != 0) return glyph;
    glyph.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return glyph;
    TGlyphImage& image = glyph.image;
    image.left = face->glyph->bitmap_left;
    image.top = sized.ascent - face->glyph->bitmap_top;
    image.width = static_cast<int>(bitmap.width);
    image.height = static_cast<int>(bitmap.rows);
    image.coverage.resize(size_t(image.width) * size_t(image.height));
    for (int row = 0; row < image.height; ++row) {
      const unsigned char* source = bitmap.buffer + ptrdiff_t(row) * bitmap.pitch;
      if (bitmap.pitch < 0) source = bitmap.buffer + ptrdiff_t(image.height - 1 - row) * -bitmap.pitch;
      std::copy_n(source, image.width, image.coverage.begin() + ptrdiff_t(row) * image.width);
    }
    // 256 grey levels are promised by FreeType's normal mode; anything else is scaled to 0 ... 255.
    if (bitmap.num_grays != 256 && bitmap.num_grays > 1) {
      for (uint8_t& c : image.coverage)
        c = static_cast<uint8_t>(c * 255 / (bitmap.num_grays - 1));
    }
    return glyph;
  }

  std::mutex mutex_;
  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> facesByFile_;  // owns the faces
  std::map<std::string, FT_Face> facesByFamily_;
  std::map<std::pair<std::string, int>, TSizedFace> sizedFaces_;
  std::map<std::tuple<FT_Face, int, FT_UInt>, TGlyph> glyphs_;
  size_t glyphBytes_ = 0;
};

}  // namespace

int FontPixelSize(const TFont& font) {
  const int size = std::clamp(font.size, 1, kMaxFontSize);
  return (size * 96 + 36) / 72;
}

TTextExtent TextExtent(const TFont& font, std::string_view text) {
  TFontCache& cache = TFontCache::Instance();
  std::lock_guard lock(cache.Mutex());
  const TSizedFace& sized = cache.SizedFace(font);
  if (sized.face == nullptr) return {};
  int64_t width = 0;
  for (size_t i = 0; i < text.size();)
    width += cache.Glyph(sized, NextCodePoint(text, i)).advance;
  return {static_cast<int>(std::min<int64_t>(width, INT32_MAX)), sized.ascent + sized.descent};
}

void RenderText(const TFont& font, std::string_view text,
                const std::function<void(int64_t penX, const TGlyphImage& glyph)>& draw) {
  TFontCache& cache = TFontCache::Instance();
  std::lock_guard lock(cache.Mutex());
  const TSizedFace& sized = cache.SizedFace(font);
  if (sized.face == nullptr) return;
  int64_t penX = 0;
  for (size_t i = 0; i < text.size();) {
    const TGlyph& glyph = cache.Glyph(sized, NextCodePoint(text, i));
    if (!glyph.image.coverage.empty()) draw(penX, glyph.image);
    penX += glyph.advance;
  }
}

}  // namespace wavora
