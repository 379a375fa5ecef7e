// The pictures held as bitmaps: placeholders, brush patterns, the sample.
#pragma once
#include <string_view>

#include "gfx/bitmap.h"
#include "resources/generator/art_context.h"

namespace resources::generator {

// An empty bitmap for a name that is not one of the pictures.
gfx::Bitmap PaintPicture(std::string_view name, const ArtContext& ctx);

}  // namespace resources::generator::generator
