#include "resources/A_picture.h"

#include <span>
#include <string>

#include "base/strings.h"
#include "session/A_paths.h"
#include "gfx/codecs/bmp.h"
#include "gfx/codecs/jpeg.h"
#include "platform/platform.h"

namespace resources {
namespace {

enum class Format { None, Jpeg, Bmp };

Format FormatOf(std::string_view path) {
  std::string ext = base::ExtensionOf(path);
  if (ext == ".jpg" || ext == ".jpeg") return Format::Jpeg;
  if (ext == ".bmp") return Format::Bmp;
  return Format::None;
}

}  // namespace

bool LoadPicture(gfx::Bitmap& bitmap, std::string_view path) {
  Format format = FormatOf(path);
  if (format == Format::None) return false;
  auto bytes = platform::os().files().ReadFile(path);
  if (!bytes) return false;
  std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
  // Both decoders leave the target alone when the file is damaged.
  bool ok = format == Format::Jpeg ? gfx::codecs::DecodeJpeg(data, bitmap) : gfx::codecs::DecodeBmp(data, bitmap);
  if (!ok) platform::os().diagnostics().Note("picture", "cannot be loaded " + std::string(path));
  return ok;
}

bool SavePicture(const gfx::Bitmap& bitmap, std::string_view path) {
  Format format = FormatOf(path);
  if (format == Format::None || bitmap.empty()) return false;
  auto bytes = format == Format::Jpeg ? gfx::codecs::EncodeJpeg(bitmap, PictureJpegQuality) : gfx::codecs::EncodeBmp(bitmap);
  if (!bytes) return false;
  return platform::os().files().ReplaceFile(
      path, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace resources
