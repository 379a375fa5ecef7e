// Pointer pictures, cursors and the application icons.
#pragma once
#include <vector>

#include "gfx/ico.h"
#include "resources/generator/art_context.h"
#include "resources/icon_table.h"

namespace resgen {

inline constexpr int kPointerSize = 32;
inline constexpr int kCursorSize = 32;

gfx::Bitmap PaintPointer(const resources::Sprite& sprite, const ArtContext& ctx);
gfx::IconFrame PaintCursor(const resources::CursorArt& art, gfx::Color color, const ArtContext& ctx);
// Every size of the icon file, smallest first.
std::vector<gfx::IconFrame> PaintAppIcon(bool enabled, const ArtContext& ctx);

}  // namespace resgen
