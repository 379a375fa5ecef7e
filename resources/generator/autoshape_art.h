// The sheet of PowerPoint autoshape icons: one small drawing per shape type, in
// the order of the shape names.
#pragma once
#include "gfx/bitmap.h"
#include "resources/generator/art_context.h"

namespace resources::generator {

gfx::Bitmap PaintAutoshapeSheet(const ArtContext& ctx);

}  // namespace resources::generator::generator
