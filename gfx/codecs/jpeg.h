// JPEG reading and writing: libjpeg natively, the platform's codec on Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gfx/bitmap.h"

namespace gfx::codecs {

// Baseline and progressive, colour and grey (and CMYK natively). A damaged or
// truncated stream, or one larger than maxPixels, fails and leaves out alone.
[[nodiscard]] bool DecodeJpeg(std::span<const std::uint8_t> data, Bitmap& out,
                              long long maxPixels = Bitmap::MaxPixels);

// quality 1..100 (the system saves at 80).
[[nodiscard]] std::optional<std::vector<std::uint8_t>> EncodeJpeg(const Bitmap& b, int quality = 80);

}  // namespace gfx::codecs::codecs
