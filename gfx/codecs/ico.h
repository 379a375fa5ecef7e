// Icon and cursor files (.ico, .cur): the application icons and the screen
// cursors are kept in this form, in the program's resources on Windows and in
// the resource bundle of the native build.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx::codecs {

// One picture of an icon or cursor file. alpha holds one opacity (0..255) per
// pixel, row by row, because a Bitmap keeps no alpha of its own.
struct IconFrame {
  Bitmap image;
  std::vector<std::uint8_t> alpha;
  Point hotspot;  // cursors only
};

// Writes 32-bit frames with an AND mask (opaque where alpha is at least 128),
// which every Windows since XP and Wine show with their alpha.
[[nodiscard]] std::vector<std::uint8_t> EncodeIconFile(std::span<const IconFrame> frames,
                                                       bool cursor);

// Reads 32-bit and 24-bit frames with their AND masks (a 24-bit frame takes its
// alpha from the mask). A damaged file, or one with frames of other depths or
// PNG frames, gives nothing.
[[nodiscard]] std::optional<std::vector<IconFrame>> DecodeIconFile(
    std::span<const std::uint8_t> data, bool* isCursor = nullptr);

}  // namespace gfx::codecs::codecs
