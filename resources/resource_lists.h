// The image lists of A_resrce: filled from the resources by name, drawn into
// by tools that paint their own icons and previews.
#pragma once
#include "gfx/bitmap.h"
#include "gfx/image_list.h"
#include "resources/resource_names.h"

namespace resources {

// Every list has the same transparent colour.
inline constexpr gfx::Color ListMaskColor = 0x008080;

struct TImageLists {
  gfx::ImageList smallButtons{26, 26, ListMaskColor};
  gfx::ImageList largeButtons{52, 52, ListMaskColor};
  gfx::ImageList preview{80, 60, ListMaskColor};
  gfx::ImageList swatches{16, 16, ListMaskColor};
  gfx::ImageList events{26, 26, ListMaskColor};
  gfx::ImageList pointers{32, 32, ListMaskColor};
  gfx::ImageList autoshapes{AutoshapeIconSize, AutoshapeIconSize, ListMaskColor};
};

void LoadEventList();
void LoadPointerList();
void LoadAutoshapeList(const gfx::Bitmap& sheet);
void LoadButtonLists();
void LoadPreviewList(const gfx::Bitmap& placeholder);
void LoadSwatchList();
// Shutdown: the button, preview and swatch lists, then the rest.
void FreeGraphicsLists();
void FreeResourceLists();

// Puts a picture in slot `index`. Slots of tools that own pictures lie beyond
// the loaded images; the list grows with blank cells up to them.
void ReplaceSlot(gfx::ImageList& list, int index, const gfx::Bitmap& picture);

// The picture with its transparent colour `from` made the list's `to`; pixels
// that already had the colour `to` move one step off it so they stay visible.
gfx::Bitmap Rekeyed(const gfx::Bitmap& picture, gfx::Color from, gfx::Color to);

// The swatches as drawn into the list (16 x 16 on 0x008080).
gfx::Bitmap ColorDotSwatchImage(gfx::Color c);
gfx::Bitmap LineSwatchImage(int width);
gfx::Bitmap PageSwatchImage(gfx::Color c);

}  // namespace resources
