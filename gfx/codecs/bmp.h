// BMP files: reading every common variant, writing at any bit depth.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx::codecs {

// Reads 1, 4 and 8 bits with palettes, 16 and 32 bits plain or with bit fields,
// and 24 bits; core, info and V2..V5 headers; bottom-up and top-down. Anything
// damaged, truncated, compressed or too large fails cleanly and leaves out alone.
[[nodiscard]] bool DecodeBmp(std::span<const std::uint8_t> data, Bitmap& out,
                             long long maxPixels = Bitmap::MaxPixels);

struct BmpOptions {
  // 1, 4 and 8 write a palette of the picture's colours (and fail when there are
  // more than fit); 16 writes 5-5-5, or 5-6-5 with bitfields; 24; 32.
  int bitsPerPixel = 24;
  bool bitfields = false;
};

[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeBmp(const Bitmap& b,
                                                                 BmpOptions options = {});

}  // namespace gfx::codecs::codecs
