#include "gfx/codecs/image_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "gfx/codecs/jpeg.h"
#include "gfx/codecs/png.h"

namespace gfx::codecs {

namespace {

std::filesystem::path toPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path) {
  std::ifstream in(toPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool writeFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(toPath(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool readBmpFile(const std::string& path, Bitmap& out) {
  const auto bytes = readFileBytes(path);
  return bytes && decodeBmp(*bytes, out);
}

bool writeBmpFile(const std::string& path, const Bitmap& b, BmpOptions options) {
  const auto bytes = encodeBmp(b, options);
  return bytes && writeFileBytes(path, *bytes);
}

bool readJpegFile(const std::string& path, Bitmap& out) {
  const auto bytes = readFileBytes(path);
  return bytes && decodeJpeg(*bytes, out);
}

bool writeJpegFile(const std::string& path, const Bitmap& b, int quality) {
  const auto bytes = encodeJpeg(b, quality);
  return bytes && writeFileBytes(path, *bytes);
}

bool writePngFile(const std::string& path, const Bitmap& b) {
  return writeFileBytes(path, encodePng(b));
}

}  // namespace gfx::codecs::codecs
