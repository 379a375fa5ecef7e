// Pointer pictures, cursors and the application icons.
#pragma once
#include <vector>

#include "gfx/codecs/ico.h"
#include "resources/generator/art_context.h"
#include "resources/generator/icon_table.h"

namespace resources::generator {

inline constexpr int PointerSize = 32;
inline constexpr int CursorSize = 32;

gfx::Bitmap PaintPointer(const resources::generator::Sprite& sprite, const ArtContext& ctx);
gfx::codecs::IconFrame PaintCursor(const resources::generator::CursorArt& art, gfx::Color color, const ArtContext& ctx);
// Every size of the icon file, smallest first.
std::vector<gfx::codecs::IconFrame> PaintAppIcon(bool enabled, const ArtContext& ctx);

}  // namespace resources::generator::generator
