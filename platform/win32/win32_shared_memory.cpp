// Named blocks backed by the paging file; the system's hook library opens them
// with the same calls from every process.
#include <windows.h>

#include <string>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_services.h"

namespace platform::win32 {
namespace {
// Full access (FILE_MAP_ALL_ACCESS), the value every user of the block asks for.
constexpr DWORD FullAccess = 0xF001F;
}  // namespace

SharedMemory::Created Win32SharedMemory::CreateMapping(std::string_view name, std::uint32_t size) {
  HANDLE h = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, std::string(name).c_str());
  bool existed = h && GetLastError() == ERROR_ALREADY_EXISTS;
  return {FromHandle(h), existed};
}

MappingHandle Win32SharedMemory::OpenMapping(std::string_view name) {
  return FromHandle(OpenFileMappingA(FullAccess, FALSE, std::string(name).c_str()));
}

std::uint8_t* Win32SharedMemory::MapView(MappingHandle h, std::uint32_t size) {
  if (!h) return nullptr;
  return static_cast<std::uint8_t*>(MapViewOfFile(ToHandle(h), FullAccess, 0, 0, size));
}

void Win32SharedMemory::UnmapView(std::uint8_t* view) {
  if (view) UnmapViewOfFile(view);
}

void Win32SharedMemory::CloseMapping(MappingHandle h) {
  if (h) CloseHandle(ToHandle(h));
}

}  // namespace platform::win32
