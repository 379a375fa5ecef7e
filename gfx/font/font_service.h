// The build's font renderer behind gfx::FontService: FreeType and fontconfig
// natively ("Arial" is Liberation Sans, "MS Sans Serif" a sans face), the
// platform's text renderer on Windows. Both give the same line metrics.
#pragma once
#include <memory>

#include "gfx/font.h"

namespace gfx::font {

// dpi converts point sizes to pixels.
[[nodiscard]] std::unique_ptr<FontService> CreateFontService(int dpi = 96);

}  // namespace gfx::font
