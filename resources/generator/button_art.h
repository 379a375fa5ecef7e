// Button and event icons: square pictures on the key colour, 26 or 52 pixels.
#pragma once
#include "gfx/bitmap.h"
#include "resources/generator/art_context.h"
#include "resources/generator/icon_table.h"

namespace resources::generator {

gfx::Bitmap PaintIcon(const resources::generator::Art& art, int size, const ArtContext& ctx);

// Shapes shared with the pointer pictures.
Coverage LaserDot(int size, Coverage* glow);

}  // namespace resources::generator::generator
