// Whole-file convenience around the codecs, for tools, dumps and tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/codecs/bmp.h"

namespace gfx::codecs {

// Paths are UTF-8.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);
[[nodiscard]] bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

[[nodiscard]] bool ReadBmpFile(const std::string& path, Bitmap& out);
[[nodiscard]] bool WriteBmpFile(const std::string& path, const Bitmap& b, BmpOptions options = {});
[[nodiscard]] bool ReadJpegFile(const std::string& path, Bitmap& out);
[[nodiscard]] bool WriteJpegFile(const std::string& path, const Bitmap& b, int quality = 80);
[[nodiscard]] bool WritePngFile(const std::string& path, const Bitmap& b);

}  // namespace gfx::codecs::codecs
