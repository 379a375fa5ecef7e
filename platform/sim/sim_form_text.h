// Text of forms on the simulated desktop: the dialog font as a gfx face, and
// the word wrapping that labels and the measuring share, so what is measured
// for a layout is what the renderer draws.
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/font.h"
#include "platform/forms.h"

namespace platform::sim {

// The gfx font whose character cell is font.height pixels high, as a positive
// font height asks of the platform.
gfx::Font GfxFont(gfx::FontService& fonts, const FormFont& font);
// Its face; null when no fonts are installed.
std::shared_ptr<const gfx::FontFace> OpenFormFont(gfx::FontService& fonts, const FormFont& font);

// Lines at the text's own line breaks and, with wrapWidth > 0, at spaces so that
// no line is wider than wrapWidth (a word wider than that keeps a line of its own).
std::vector<std::string> WrapText(const gfx::FontFace& face, std::string_view text, int wrapWidth);

// The box of the wrapped lines, from (0, 0).
Rect MeasureWrapped(const gfx::FontFace* face, std::string_view text, int wrapWidth);

}  // namespace platform::sim
