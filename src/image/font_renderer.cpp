#include "image/font_renderer.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "image/font_face.h"

namespace wavora {

namespace {

// Rendered glyphs are kept until they take this many bytes, then the cache starts afresh.
constexpr size_t kGlyphCacheBytes = size_t{8} << 20;

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

// The faces opened and the glyphs rendered so far. Everything is reached under one lock because the
// rasterisers' objects must not be used from two threads at once.
class TFontCache {
 public:
  static TFontCache& Instance() {
    static TFontCache cache;
    return cache;
  }

  std::mutex& Mutex() { return mutex_; }

  // The face of a font at its size, or null when the build has no face for it.
  TSizedFace* Face(const TFont& font) {
    const auto key = std::make_pair(font.name, FontPixelSize(font));
    auto found = faces_.find(key);
    if (found == faces_.end()) found = faces_.emplace(key, OpenSizedFace(key.first, key.second)).first;
    return found->second.get();
  }

  const TRenderedGlyph& Glyph(TSizedFace& face, char32_t code) {
    const auto key = std::make_pair(&face, code);
    auto found = glyphs_.find(key);
    if (found != glyphs_.end()) return found->second;
    if (glyphBytes_ > kGlyphCacheBytes) {
      glyphs_.clear();
      glyphBytes_ = 0;
    }
    TRenderedGlyph glyph = face.Render(code);
    glyphBytes_ += glyph.image.coverage.size() + sizeof(TRenderedGlyph);
    return glyphs_.emplace(key, std::move(glyph)).first->second;
  }

 private:
  std::mutex mutex_;
  std::map<std::pair<std::string, int>, std::unique_ptr<TSizedFace>> faces_;
  std::map<std::pair<const TSizedFace*, char32_t>, TRenderedGlyph> glyphs_;
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
  TSizedFace* face = cache.Face(font);
  if (face == nullptr) return {};
  int64_t width = 0;
  for (size_t i = 0; i < text.size();)
    width += cache.Glyph(*face, NextCodePoint(text, i)).advance;
  return {static_cast<int>(std::min<int64_t>(width, INT32_MAX)), face->Ascent() + face->Descent()};
}

void RenderText(const TFont& font, std::string_view text,
                const std::function<void(int64_t penX, const TGlyphImage& glyph)>& draw) {
  TFontCache& cache = TFontCache::Instance();
  std::lock_guard lock(cache.Mutex());
  TSizedFace* face = cache.Face(font);
  if (face == nullptr) return;
  int64_t penX = 0;
  for (size_t i = 0; i < text.size();) {
    const TRenderedGlyph& glyph = cache.Glyph(*face, NextCodePoint(text, i));
    if (!glyph.image.coverage.empty()) draw(penX, glyph.image);
    penX += glyph.advance;
  }
}

}  // namespace wavora
