#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <map>

#include "image/font_face.h"

namespace wavora {

namespace {

// Light hinting snaps outlines vertically only: crisp small text whose glyph shapes stay close to
// the design, and no dependence on a font's own bytecode.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT;

// The process-wide FreeType library with the faces loaded so far, each face shared by every size.
class TFreeType {
 public:
  static TFreeType& Instance() {
    static TFreeType freeType;
    return freeType;
  }

  TFreeType(const TFreeType&) = delete;
  TFreeType& operator=(const TFreeType&) = delete;

  // The face for a family name, or nullptr when no font is installed.
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

 private:
  TFreeType() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }

  ~TFreeType() {
    for (auto& [file, face] : facesByFile_)
      FT_Done_Face(face);
    if (library_ != nullptr) FT_Done_FreeType(library_);
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

  FT_Library library_ = nullptr;
  std::map<std::pair<std::string, int>, FT_Face> facesByFile_;  // owns the faces
  std::map<std::string, FT_Face> facesByFamily_;
};

class TFreeTypeFace final : public TSizedFace {
 public:
  TFreeTypeFace(FT_Face face, int pixelSize, int ascent, int descent)
      : TSizedFace(ascent, descent), face_(face), pixelSize_(pixelSize) {}

  TRenderedGlyph Render(char32_t code) override {
    TRenderedGlyph glyph;
    if (FT_Set_Pixel_Sizes(face_, 0, pixelSize_) != 0) return glyph;
    if (FT_Load_Glyph(face_, FT_Get_Char_Index(face_, code), kLoadFlags) != 0) return glyph;
    glyph.advance = static_cast<int>((face_->glyph->advance.x + 32) >> 6);
    if (FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = face_->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return glyph;
    TGlyphImage& image = glyph.image;
    image.left = face_->glyph->bitmap_left;
    image.top = Ascent() - face_->glyph->bitmap_top;
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

 private:
  FT_Face face_;  // owned by TFreeType, shared by every size
  int pixelSize_;
};

}  // namespace

std::unique_ptr<TSizedFace> OpenSizedFace(const std::string& family, int pixelSize) {
  FT_Face face = TFreeType::Instance().FaceForFamily(family);
  if (face == nullptr || FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return nullptr;
  const FT_Size_Metrics& metrics = face->size->metrics;
  return std::make_unique<TFreeTypeFace>(face, pixelSize, static_cast<int>((metrics.ascender + 63) >> 6),
                                         static_cast<int>((-metrics.descender + 63) >> 6));
}

}  // namespace wavora
