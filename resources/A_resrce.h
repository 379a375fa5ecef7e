// A_resrce: the program's image resources and cursors, loaded by name through
// the platform's resources (the program file on Windows, the drawn bundle
// natively), and the image lists the tools, menus and editor draw from.
// A resource that cannot be loaded gives an empty image (its index is still
// taken) or no cursor; nothing here fails louder than that.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/image_list.h"
#include "platform/resources.h"

namespace resources {

// Where this program reads its resources (platform::Resources() in the programs).
void UseResources(platform::ProgramResources& source);

// The room's steps: "Load Resources" (pictures, cursors, event, pointer and
// autoshape lists), "Load Graphics" (button, preview and swatch lists) and
// "Free Resources" (everything, the pointer pictures last).
void LoadResources();
void LoadGraphics();
void FreeResources();

// A bitmap resource by name; empty when it is missing or unreadable.
gfx::Bitmap LoadResourceBitmap(std::string_view name);
// One of the pictures held as bitmaps (bm_..., Br_..., sample_arrows_180x180);
// an empty bitmap for an unknown name or before LoadResources.
const gfx::Bitmap& Picture(std::string_view name);

struct ScreenCursorImage {
  platform::CursorHandle handle;   // the system's cursor
  gfx::Bitmap image;               // what it shows, where the build can tell
  std::vector<std::uint8_t> alpha;
  platform::Point hotspot;
};
// The cursor of the screen cursor table with this id; null when there is none.
const ScreenCursorImage* ScreenCursor(int id);

// An icon as a picture for the forms: its 32-pixel frame (or the nearest) laid
// over the dialog face, since a form's picture has no alpha of its own. Null
// never: a missing icon gives an empty picture.
const gfx::Bitmap* IconPicture(std::string_view name);

// The application icon ("ic_1_Enabled") or its disabled twin at a size.
platform::IconHandle ApplicationIcon(bool enabled, int size);

// The image lists; they exist from the step that loads them until FreeResources.
gfx::ImageList& SmallButtonList();  // 26 x 26
gfx::ImageList& LargeButtonList();  // 52 x 52
gfx::ImageList& PreviewList();      // 80 x 60, image 0 the missing-thumbnail placeholder
gfx::ImageList& SwatchList();       // 16 x 16: colour dots, line widths, pages
gfx::ImageList& EventList();        // 26 x 26
gfx::ImageList& PointerList();      // 32 x 32
gfx::ImageList& AutoshapeList();    // 24 x 24

// Swatch indices: the first of each run of ten.
inline constexpr int ColorDotSwatch = 0;
inline constexpr int LineWidthSwatch = 10;
inline constexpr int PageSwatch = 20;
inline constexpr int SwatchLineWidths[10] = {1, 3, 4, 5, 6, 7, 9, 11, 13, 15};

// Draws stock icon `index` over a bitmap: from the small list when the bitmap
// is narrower than the large icons, else from the large list.
void DrawButtonIcon(gfx::Bitmap& target, int index);

}  // namespace resources
