#include <windows.h>

#include <string>

#include "platform/win32/win32_services.h"

namespace platform::win32 {

void Win32Diagnostics::DebugOutput(std::string_view text) { OutputDebugStringA(std::string(text).c_str()); }

void Win32Diagnostics::Note(std::string_view category, std::string_view text) {
  if (!verbose_) return;
  std::string line = "Velmora: ";
  line.append(category).append(" ").append(text);
  OutputDebugStringA(line.c_str());
}

}  // namespace platform::win32
