// PNG writing for screenshots and test dumps (no reader: nothing loads PNG).
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx::codecs {

// 8-bit RGB, stored without compression: simple, exact and dependency-free on
// both builds; the files are only for people and tools to look at.
[[nodiscard]] std::vector<std::uint8_t> EncodePng(const Bitmap& b);

}  // namespace gfx::codecs::codecs
