// Pictures on disk: what the picture, capture, hide-and-reveal, background and
// drawing-board code loads and saves. The extension decides the format, compared
// exactly as written: ".jpg" and ".jpeg" are JPEG, ".bmp" a bitmap.
#pragma once
#include <string_view>

#include "gfx/bitmap.h"

namespace resources {

inline constexpr int PictureJpegQuality = 80;

// The picture at its own size. A missing or damaged file, or another
// extension, leaves the bitmap as it was; callers take an empty bitmap for a
// picture that cannot be loaded. True when a picture was read.
bool LoadPicture(gfx::Bitmap& bitmap, std::string_view path);
// JPEG at quality 80 or a 24-bit bitmap; false when nothing was written.
bool SavePicture(const gfx::Bitmap& bitmap, std::string_view path);

}  // namespace resources
