// The program's resources on Windows: the BITMAP, CURSOR and ICON resources
// that the build compiled into the program file.
#include <windows.h>
// The seam names its operations as the system does; the API macros must not rename them.
#undef LoadCursor
#undef LoadIcon

#include <cstring>
#include <string>
#include <utility>

#include "platform/resources.h"

namespace platform {
namespace {

// The bytes of one resource, or none.
std::optional<std::pair<const std::uint8_t*, DWORD>> Raw(const char* name, const char* type) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, type);
  if (!found) return std::nullopt;
  DWORD size = SizeofResource(module, found);
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!data) return std::nullopt;
  return std::make_pair(data, size);
}

// An icon lives in the program as a group directory and one resource per
// image. The .ico file is the same directory with file offsets in place of
// the resource ids, followed by the images.
std::optional<std::vector<std::uint8_t>> GroupFile(const std::string& name, const char* groupType,
                                                  const char* imageType) {
  auto group = Raw(name.c_str(), groupType);
  if (!group || group->second < 6) return std::nullopt;
  const std::uint8_t* dir = group->first;
  unsigned count = dir[4] | (dir[5] << 8);
  constexpr unsigned GroupEntry = 14, FileEntry = 16;
  if (group->second < 6 + count * GroupEntry || count == 0 || count > 64) return std::nullopt;
  std::vector<std::uint8_t> file(6 + count * FileEntry);
  std::memcpy(file.data(), dir, 6);
  for (unsigned i = 0; i < count; ++i) {
    const std::uint8_t* e = dir + 6 + i * GroupEntry;
    unsigned id = e[12] | (e[13] << 8);
    auto image = Raw(MAKEINTRESOURCEA(id), imageType);
    if (!image) return std::nullopt;
    std::uint8_t* out = file.data() + 6 + i * FileEntry;
    std::memcpy(out, e, 12);  // size, colours, planes, bits and byte count as in the group
    auto offset = static_cast<std::uint32_t>(file.size());
    auto bytes = static_cast<std::uint32_t>(image->second);
    std::memcpy(out + 8, &bytes, 4);
    std::memcpy(out + 12, &offset, 4);
    file.insert(file.end(), image->first, image->first + image->second);
  }
  return file;
}

class ModuleResources final : public ProgramResources {
 public:
  std::optional<std::vector<std::uint8_t>> BitmapFile(std::string_view name) override {
    if (name.empty()) return std::nullopt;
    const std::string n(name);
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, n.c_str(), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found) return std::nullopt;
    const DWORD size = SizeofResource(module, found);
    HGLOBAL loaded = LoadResource(module, found);
    const auto* dib = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    if (!dib || size < sizeof(BITMAPINFOHEADER)) return std::nullopt;
    // A bitmap resource is a BMP file without its file header: put one back.
    BITMAPINFOHEADER info;
    std::memcpy(&info, dib, sizeof info);
    DWORD palette = info.biClrUsed ? info.biClrUsed : (info.biBitCount <= 8 ? 1u << info.biBitCount : 0);
    DWORD masks = info.biSize == sizeof(BITMAPINFOHEADER) && info.biCompression == BI_BITFIELDS ? 12 : 0;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfSize = static_cast<DWORD>(sizeof file + size);
    file.bfOffBits = static_cast<DWORD>(sizeof file + info.biSize + masks + palette * 4);
    std::vector<std::uint8_t> bytes(sizeof file + size);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, dib, size);
    return bytes;
  }
  std::optional<std::vector<std::uint8_t>> CursorFile(std::string_view) override { return std::nullopt; }
  std::optional<std::vector<std::uint8_t>> IconFile(std::string_view name) override {
    if (name.empty()) return std::nullopt;
    return GroupFile(std::string(name), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */, MAKEINTRESOURCEA(3) /* RT_ICON */);
  }
  CursorHandle LoadCursor(std::string_view name) override {
    if (name.empty()) return {};
    const std::string n(name);
    HCURSOR c = ::LoadCursorA(GetModuleHandleA(nullptr), n.c_str());
    return CursorHandle{reinterpret_cast<std::uintptr_t>(c)};
  }
  IconHandle LoadIcon(std::string_view name, int size) override {
    if (name.empty()) return {};
    const std::string n(name);
    HANDLE icon = ::LoadImageA(GetModuleHandleA(nullptr), n.c_str(), IMAGE_ICON, size, size, LR_SHARED);
    return IconHandle{reinterpret_cast<std::uintptr_t>(icon)};
  }
};

}  // namespace

ProgramResources& Resources() {
  static ModuleResources resources;
  return resources;
}

}  // namespace platform
