// The program's resources on Windows: the BITMAP, CURSOR and ICON resources
// that the build compiled into the program file.
#include <windows.h>
// The seam names its operations as the system does; the API macros must not rename them.
#undef LoadCursor
#undef LoadIcon

#include <cstring>
#include <string>

#include "platform/resources.h"

namespace platform {
namespace {

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
  std::optional<std::vector<std::uint8_t>> IconFile(std::string_view) override { return std::nullopt; }
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
