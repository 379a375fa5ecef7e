// The font service: realised fonts with metrics and coverage masks of text, from
// FreeType on the native build and from the platform's renderer on Windows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/types.h"

namespace gfx {

enum class FontUnit { Points, Pixels };
enum class FontQuality { Antialiased, Monochrome };

struct Font {
  std::string face = "Arial";
  // Points, or pixels of the character height (the em) when unit is Pixels.
  int size = 10;
  FontUnit unit = FontUnit::Points;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  // The colour text is drawn in; a canvas takes it as its text colour.
  Color color = 0;
  FontQuality quality = FontQuality::Antialiased;

  friend bool operator==(const Font&, const Font&) = default;
};

struct FontMetrics {
  int height = 0;  // ascent + descent: the height of a line of text
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
};

struct AbcWidth {
  int a = 0;
  int b = 0;
  int c = 0;
};

// Coverage (0 = none, 255 = full) of a rendered text, placed relative to the
// top-left corner of its text cell (the cell is extent wide and metrics().height high).
struct TextMask {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
};

class FontFace {
 public:
  virtual ~FontFace() = default;
  // The family actually used (after substitution), for diagnostics and tests.
  [[nodiscard]] virtual std::string family() const = 0;
  [[nodiscard]] virtual const FontMetrics& metrics() const = 0;
  [[nodiscard]] virtual Size TextExtent(std::string_view utf8) const = 0;
  [[nodiscard]] virtual AbcWidth abcWidth(char32_t ch) const = 0;
  [[nodiscard]] virtual TextMask Render(std::string_view utf8) const = 0;
};

class FontService {
 public:
  virtual ~FontService() = default;
  // Null when no face can be found at all (no fonts installed).
  [[nodiscard]] virtual std::shared_ptr<const FontFace> Open(const Font& font) = 0;
  // The pixel height of one em for a font: points are converted at dpi().
  [[nodiscard]] virtual int dpi() const = 0;
};


// Pixels per em of a font at a resolution.
[[nodiscard]] int FontPixelSize(const Font& font, int dpi);

// Decodes UTF-8; malformed bytes come out as U+FFFD, one per byte.
[[nodiscard]] std::u32string DecodeUtf8(std::string_view s);

}  // namespace gfx
