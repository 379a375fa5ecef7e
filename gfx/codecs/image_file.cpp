#include "gfx/codecs/image_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "gfx/codecs/jpeg.h"
#include "gfx/codecs/png.h"

namespace gfx::codecs {

namespace {

std::filesystem::path ToPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path) {
  std::ifstream in(ToPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(ToPath(path), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool ReadBmpFile(const std::string& path, Bitmap& out) {
  const auto bytes = ReadFileBytes(path);
  return bytes && DecodeBmp(*bytes, out);
}

bool WriteBmpFile(const std::string& path, const Bitmap& b, BmpOptions options) {
  const auto bytes = EncodeBmp(b, options);
  return bytes && WriteFileBytes(path, *bytes);
}

bool ReadJpegFile(const std::string& path, Bitmap& out) {
  const auto bytes = ReadFileBytes(path);
  return bytes && DecodeJpeg(*bytes, out);
}

bool WriteJpegFile(const std::string& path, const Bitmap& b, int quality) {
  const auto bytes = EncodeJpeg(b, quality);
  return bytes && WriteFileBytes(path, *bytes);
}

bool WritePngFile(const std::string& path, const Bitmap& b) {
  return WriteFileBytes(path, EncodePng(b));
}

}  // namespace gfx::codecs::codecs
