#include "resources/generator/glyph_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

namespace resources::generator {

class FreeTypeFace {
 public:
  static std::unique_ptr<FreeTypeFace> Open(const std::string& path) {
    auto f = std::unique_ptr<FreeTypeFace>(new FreeTypeFace);
    if (FT_Init_FreeType(&f->lib_) || FT_New_Face(f->lib_, path.c_str(), 0, &f->face_)) return nullptr;
    return f;
  }
  ~FreeTypeFace() {
    if (face_) FT_Done_Face(face_);
    if (lib_) FT_Done_FreeType(lib_);
  }
  FT_Face face() const { return face_; }

  // Draws one glyph into c with its origin (baseline, left) at (ox, oy).
  int Draw(Coverage& c, char32_t ch, int pixelSize, int ox, int oy) const {
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixelSize));
    // Unhinted: the icon grid already falls on whole pixels at our sizes.
    if (FT_Load_Char(face_, ch, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) return 0;
    const FT_GlyphSlot g = face_->glyph;
    const FT_Bitmap& b = g->bitmap;
    for (unsigned y = 0; y < b.rows; ++y)
      for (unsigned x = 0; x < b.width; ++x) {
        int tx = ox + g->bitmap_left + static_cast<int>(x), ty = oy - g->bitmap_top + static_cast<int>(y);
        if (tx < 0 || ty < 0 || tx >= c.w || ty >= c.h) continue;
        std::uint8_t v = b.buffer[y * static_cast<unsigned>(b.pitch) + x];
        c.Ref(tx, ty) = std::max(c.Ref(tx, ty), v);
      }
    return static_cast<int>(g->advance.x >> 6);
  }

 private:
  FreeTypeFace() = default;
  FT_Library lib_ = nullptr;
  FT_Face face_ = nullptr;
};

GlyphFont::GlyphFont(const std::string& ttfPath, const std::string& namesPath)
    : face_(FreeTypeFace::Open(ttfPath)) {
  // The font's name list: lines such as  "pen": F3EA,
  std::ifstream in(namesPath);
  std::stringstream text;
  text << in.rdbuf();
  const std::string s = text.str();
  static const std::regex entry("\"([a-z0-9-]+)\"\\s*:\\s*([0-9A-Fa-f]{4,6})");
  for (auto it = std::sregex_iterator(s.begin(), s.end(), entry); it != std::sregex_iterator(); ++it)
    codes_.emplace((*it)[1].str(), static_cast<char32_t>(std::stoul((*it)[2].str(), nullptr, 16)));
}

GlyphFont::~GlyphFont() = default;

bool GlyphFont::Has(std::string_view name) const { return codes_.find(name) != codes_.end(); }

Coverage GlyphFont::Render(std::string_view name, int grid) const {
  auto it = codes_.find(name);
  if (!face_ || it == codes_.end()) return {};
  Coverage c(grid, grid);
  const FT_Face f = face_->face();
  // The em box runs from the ascender down to the descender.
  const int baseline = grid * f->ascender / f->units_per_EM;
  face_->Draw(c, it->second, grid, 0, baseline);
  return c;
}

TextFont::TextFont(const std::string& path) : face_(FreeTypeFace::Open(path)) {}
TextFont::~TextFont() = default;

Coverage TextFont::Render(std::string_view text, int pixelSize) const {
  if (!face_) return {};
  Coverage wide(pixelSize * static_cast<int>(text.size() + 1), pixelSize * 2);
  int x = 1;
  for (char ch : text) x += face_->Draw(wide, static_cast<unsigned char>(ch), pixelSize, x, pixelSize * 3 / 2);
  const gfx::Rect r = Bounds(wide, 1);
  if (r.empty()) return {};
  Coverage out(r.width(), r.height());
  for (int y = 0; y < out.h; ++y)
    for (int i = 0; i < out.w; ++i) out.Ref(i, y) = wide.at(r.left + i, r.top + y);
  return out;
}

}  // namespace resources::generator::generator
