// The image lists of A_resrce: filled from the resources by name, drawn into
// by tools that paint their own icons and previews. Internal to A_resrce.
#pragma once
#include "gfx/bitmap.h"
#include "gfx/image_list.h"

namespace tool {
class TTool;
}

namespace resources {

void LoadEventList();
void LoadPointerList();
void LoadAutoshapeList(const gfx::Bitmap& sheet);
void LoadButtonLists();
void LoadPreviewList(const gfx::Bitmap& placeholder);
void LoadSwatchList();
// Shutdown: the button, preview and swatch lists, then the rest.
void FreeGraphicsLists();
void FreeResourceLists();

// The image-slot hooks of the tools (core/image_slots.h).
void DrawToolPreview(tool::TTool& tool);
void DrawToolIcons(tool::TTool& tool);

// The picture with its transparent colour `from` made the list's `to`; pixels
// that already had the colour `to` move one step off it so they stay visible.
gfx::Bitmap Rekeyed(const gfx::Bitmap& picture, gfx::Color from, gfx::Color to);

// The swatches as drawn into the list (16 x 16 on 0x008080).
gfx::Bitmap ColorDotSwatchImage(gfx::Color c);
gfx::Bitmap LineSwatchImage(int width);
gfx::Bitmap PageSwatchImage(gfx::Color c);

}  // namespace resources
