// Conversions between the seam's strong handles and the Windows API's own.
// Internal to the backend: the one place besides the .cpp files that sees
// <windows.h>.
#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/types.h"

namespace platform::win32 {

inline HWND ToHwnd(WindowHandle w) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(w.value)); }
inline WindowHandle FromHwnd(HWND h) { return WindowHandle{reinterpret_cast<std::uintptr_t>(h)}; }
inline HANDLE ToHandle(MappingHandle m) { return reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(m.value)); }
inline MappingHandle FromHandle(HANDLE h) { return MappingHandle{reinterpret_cast<std::uintptr_t>(h)}; }

}  // namespace platform::win32
