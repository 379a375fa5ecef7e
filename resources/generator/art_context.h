// What every painter of the generator draws with.
#pragma once
#include "resources/generator/glyph_font.h"

namespace resources::generator {

struct ArtContext {
  const GlyphFont& glyphs;
  const TextFont& text;
};

// The key colour of every keyed picture the system loads (0x00BBGGRR).
inline constexpr gfx::Color Key = 0x008080;

}  // namespace resources::generator::generator
