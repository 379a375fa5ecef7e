#include <windows.h>

#include "platform/win32/win32_logic.h"
#include "platform/win32/win32_services.h"

namespace platform::win32 {

Tick Win32Clock::TickCount() { return GetTickCount(); }

double Win32Clock::LocalNow() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  FILETIME ft;
  if (!SystemTimeToFileTime(&local, &ft)) return 0.0;
  return DaysSince1899((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

void Win32Clock::Sleep(std::uint32_t ms) { ::Sleep(ms); }

}  // namespace platform::win32
