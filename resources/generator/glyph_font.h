// The icon font and a text face, read with FreeType at build time.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "resources/generator/coverage.h"

namespace resources::generator {

class FreeTypeFace;

// Material Design Icons: glyphs are drawn on a 24-unit grid that fills the em.
class GlyphFont {
 public:
  GlyphFont(const std::string& ttfPath, const std::string& namesPath);
  ~GlyphFont();
  [[nodiscard]] bool ok() const { return face_ != nullptr && !codes_.empty(); }
  [[nodiscard]] bool Has(std::string_view name) const;
  // The glyph with its design grid scaled to grid x grid pixels; an unknown
  // name gives an empty mask.
  [[nodiscard]] Coverage Render(std::string_view name, int grid) const;

 private:
  std::unique_ptr<FreeTypeFace> face_;
  std::map<std::string, char32_t, std::less<>> codes_;
};

// A text face for key tops and labels.
class TextFont {
 public:
  explicit TextFont(const std::string& path);
  ~TextFont();
  [[nodiscard]] bool ok() const { return face_ != nullptr; }
  // The text at a pixel em size, cut to its inked box.
  [[nodiscard]] Coverage Render(std::string_view text, int pixelSize) const;

 private:
  std::unique_ptr<FreeTypeFace> face_;
};

}  // namespace resources::generator::generator
