// Shell questions about drives, file associations and the temporary folder.
#include <windows.h>
#include <shellapi.h>

#include "platform/win32/win32_services.h"

namespace platform::win32 {

bool Win32Shell::IsCdDrive(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return false;
  char root[4] = {letter, ':', '\\', 0};
  return GetDriveTypeA(root) == DRIVE_CDROM;
}

std::optional<std::string> Win32Shell::ExecutableFor(std::string_view path) {
  char program[MAX_PATH] = {};
  std::string file(path);
  // The shell answers with a value above 32 when it found the program.
  auto result = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), nullptr, program));
  if (result <= 32 || program[0] == 0) return std::nullopt;
  return std::string(program);
}

std::string Win32Shell::TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetTempPathA(sizeof buffer, buffer);
  if (n == 0 || n > MAX_PATH) return std::string();
  std::string folder(buffer, n);
  if (folder.back() != '\\') folder.push_back('\\');
  return folder;
}

FontFace Win32Screen::MenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {"MS Sans Serif", 13};
  LONG height = metrics.lfMenuFont.lfHeight;
  return {metrics.lfMenuFont.lfFaceName, static_cast<int>(height < 0 ? -height : height)};
}

}  // namespace platform::win32
