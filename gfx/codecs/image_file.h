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
[[nodiscard]] std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path);
[[nodiscard]] bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

[[nodiscard]] bool readBmpFile(const std::string& path, Bitmap& out);
[[nodiscard]] bool writeBmpFile(const std::string& path, const Bitmap& b, BmpOptions options = {});
[[nodiscard]] bool readJpegFile(const std::string& path, Bitmap& out);
[[nodiscard]] bool writeJpegFile(const std::string& path, const Bitmap& b, int quality = 80);
[[nodiscard]] bool writePngFile(const std::string& path, const Bitmap& b);

}  // namespace gfx::codecs::codecs
