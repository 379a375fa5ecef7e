// The native font service: fontconfig finds the face file, FreeType renders it.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include "base/strings.h"
#include "gfx/font/font_service.h"

namespace gfx::font {

namespace {

// Faces the system asks for by their Windows names, pinned to metric-compatible
// faces so text measures the same as on the platform.
std::string ResolveFamily(const std::string& face) {
  std::string key = base::LowerCase(face);
  static const std::pair<const char*, const char*> Aliases[] = {
      {"arial", "Liberation Sans"},           {"helvetica", "Liberation Sans"},
      {"ms sans serif", "Liberation Sans"},   {"microsoft sans serif", "Liberation Sans"},
      {"ms shell dlg", "Liberation Sans"},    {"ms shell dlg 2", "Liberation Sans"},
      {"times new roman", "Liberation Serif"}, {"times", "Liberation Serif"},
      {"courier new", "Liberation Mono"},     {"courier", "Liberation Mono"},
  };
  for (const auto& [from, to] : Aliases)
    if (key == from) return to;
  return face.empty() ? "sans-serif" : face;
}

struct Glyph {
  int advance = 0;
  int left = 0, top = 0, width = 0, height = 0;
  std::vector<std::uint8_t> coverage;
};

class FreeTypeFace final : public FontFace {
 public:
  FreeTypeFace(std::shared_ptr<FT_LibraryRec_> lib, FT_Face face, int px, const Font& f,
               bool synthBold, bool synthItalic)
      : lib_(std::move(lib)), face_(face), px_(px), font_(f), synthBold_(synthBold), synthItalic_(synthItalic) {
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(px_));
    const double upem = face_->units_per_EM ? face_->units_per_EM : 2048.0;
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
      // The platform's line metrics come from the Windows ascent and descent,
      // each scaled and rounded.
      m_.ascent = static_cast<int>(std::lround(os2->usWinAscent * px_ / upem));
      m_.descent = static_cast<int>(std::lround(os2->usWinDescent * px_ / upem));
      strikePos_ = static_cast<int>(std::lround(os2->yStrikeoutPosition * px_ / upem));
      strikeSize_ = std::max(1, static_cast<int>(std::lround(os2->yStrikeoutSize * px_ / upem)));
    } else {
      m_.ascent = static_cast<int>((face_->size->metrics.ascender + 63) >> 6);
      m_.descent = static_cast<int>((-face_->size->metrics.descender + 32) >> 6);
      strikePos_ = px_ * 3 / 10;
      strikeSize_ = std::max(1, px_ / 14);
    }
    m_.height = m_.ascent + m_.descent;
    m_.internalLeading = std::max(0, m_.height - px_);
    underPos_ = static_cast<int>(std::lround(-face_->underline_position * px_ / upem));
    underSize_ = std::max(1, static_cast<int>(std::lround(face_->underline_thickness * px_ / upem)));
    m_.averageCharWidth = GlyphOf(U'x').advance;
    m_.maxCharWidth = static_cast<int>((face_->size->metrics.max_advance + 63) >> 6);
  }
  ~FreeTypeFace() override { FT_Done_Face(face_); }

  std::string family() const override { return face_->family_name ? face_->family_name : ""; }
  const FontMetrics& metrics() const override { return m_; }

  Size TextExtent(std::string_view utf8) const override {
    int w = 0;
    for (char32_t ch : DecodeUtf8(utf8)) w += GlyphOf(ch).advance;
    return {w, m_.height};
  }

  AbcWidth abcWidth(char32_t ch) const override {
    const Glyph& g = GlyphOf(ch);
    return {g.left, g.width, g.advance - g.left - g.width};
  }

  TextMask Render(std::string_view utf8) const override {
    const std::u32string text = DecodeUtf8(utf8);
    int pen = 0, minX = 0, maxX = 0;
    for (char32_t ch : text) {
      const Glyph& g = GlyphOf(ch);
      if (g.width > 0) {
        minX = std::min(minX, pen + g.left);
        maxX = std::max(maxX, pen + g.left + g.width);
      }
      pen += g.advance;
    }
    maxX = std::max(maxX, pen);
    TextMask m;
    m.left = minX;
    m.top = 0;
    m.width = maxX - minX;
    m.height = m_.height;
    if (m.width <= 0 || m.height <= 0) return m;
    m.coverage.assign(static_cast<std::size_t>(m.width) * m.height, 0);
    pen = 0;
    for (char32_t ch : text) {
      const Glyph& g = GlyphOf(ch);
      const int gx = pen + g.left - minX, gy = m_.ascent - g.top;
      for (int y = 0; y < g.height; ++y) {
        const int ty = gy + y;
        if (ty < 0 || ty >= m.height) continue;
        for (int x = 0; x < g.width; ++x) {
          std::uint8_t& d = m.coverage[static_cast<std::size_t>(ty) * m.width + gx + x];
          d = std::max(d, g.coverage[static_cast<std::size_t>(y) * g.width + x]);
        }
      }
      pen += g.advance;
    }
    auto bar = [&](int top, int size) {
      for (int y = std::max(0, top); y < std::min(m.height, top + size); ++y)
        std::fill_n(m.coverage.begin() + static_cast<long>(y) * m.width - minX, pen, 255);
    };
    if (font_.underline) bar(m_.ascent + underPos_ - underSize_ / 2, underSize_);
    if (font_.strikeout) bar(m_.ascent - strikePos_, strikeSize_);
    return m;
  }

 private:
  const Glyph& GlyphOf(char32_t ch) const {
    auto it = glyphs_.find(ch);
    if (it != glyphs_.end()) return it->second;
    Glyph g;
    const bool mono = font_.quality == FontQuality::Monochrome;
    const FT_UInt index = FT_Get_Char_Index(face_, ch);
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | (mono ? FT_LOAD_TARGET_MONO : FT_LOAD_TARGET_NORMAL)) == 0) {
      FT_GlyphSlot slot = face_->glyph;
      if (synthBold_) FT_GlyphSlot_Embolden(slot);
      if (synthItalic_) FT_GlyphSlot_Oblique(slot);
      g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
      if (FT_Render_Glyph(slot, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL) == 0) {
        const FT_Bitmap& b = slot->bitmap;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(b.width);
        g.height = static_cast<int>(b.rows);
        g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
        for (int y = 0; y < g.height; ++y) {
          const unsigned char* src = b.buffer + static_cast<long>(y) * b.pitch;
          for (int x = 0; x < g.width; ++x) {
            const std::uint8_t v = b.pixel_mode == FT_PIXEL_MODE_MONO
                                       ? ((src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0)
                                       : src[x];
            g.coverage[static_cast<std::size_t>(y) * g.width + x] = v;
          }
        }
      }
    }
    return glyphs_.emplace(ch, std::move(g)).first->second;
  }

  std::shared_ptr<FT_LibraryRec_> lib_;  // faces may outlive the service
  FT_Face face_;
  int px_;
  Font font_;
  bool synthBold_, synthItalic_;
  FontMetrics m_;
  int underPos_ = 0, underSize_ = 1, strikePos_ = 0, strikeSize_ = 1;
  mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

class FreeTypeService final : public FontService {
 public:
  explicit FreeTypeService(int dpi) : dpi_(dpi > 0 ? dpi : 96) {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) == 0) lib_.reset(lib, [](FT_Library l) { FT_Done_FreeType(l); });
    FcInit();
  }

  int dpi() const override { return dpi_; }

  std::shared_ptr<const FontFace> Open(const Font& f) override {
    if (!lib_) return nullptr;
    const int px = FontPixelSize(f, dpi_);
    auto key = std::make_tuple(f.face, px, f.bold, f.italic, f.underline, f.strikeout,
                               static_cast<int>(f.quality));
    if (auto it = cache_.find(key); it != cache_.end()) return it->second;
    std::shared_ptr<const FontFace> face = Load(ResolveFamily(f.face), px, f);
    if (!face) face = Load("sans-serif", px, f);
    if (face) cache_[key] = face;
    return face;
  }

 private:
  std::shared_ptr<const FontFace> Load(const std::string& family, int px, const Font& f) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, f.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, f.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match) return nullptr;
    FcChar8* file = nullptr;
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    std::shared_ptr<const FontFace> out;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
      FcPatternGetInteger(match, FC_INDEX, 0, &index);
      FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
      FcPatternGetInteger(match, FC_SLANT, 0, &slant);
      FT_Face face = nullptr;
      if (FT_New_Face(lib_.get(), reinterpret_cast<const char*>(file), index, &face) == 0) {
        // Styles the file lacks are made up, as the platform does.
        const bool synthBold = f.bold && weight < FC_WEIGHT_DEMIBOLD;
        const bool synthItalic = f.italic && slant == FC_SLANT_ROMAN;
        out = std::make_shared<FreeTypeFace>(lib_, face, px, f, synthBold, synthItalic);
      }
    }
    FcPatternDestroy(match);
    return out;
  }

  int dpi_;
  std::shared_ptr<FT_LibraryRec_> lib_;
  std::map<std::tuple<std::string, int, bool, bool, bool, bool, int>, std::shared_ptr<const FontFace>> cache_;
};

}  // namespace

std::unique_ptr<FontService> CreateFontService(int dpi) {
  return std::make_unique<FreeTypeService>(dpi);
}

}  // namespace gfx::font
