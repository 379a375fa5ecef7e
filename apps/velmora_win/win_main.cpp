// The Windows program entry: binds the real platform and runs the program.
#include "apps/velmora_win/program_entry.h"
#include "platform/platform.h"
#include "platform/win32/win32_platform.h"

// Declared by hand so that no file outside the backend sees <windows.h>; these
// are the types the system's startup code calls WinMain with.
struct HINSTANCE__;

extern "C" int WinMain(HINSTANCE__* /*instance*/, HINSTANCE__* /*previous*/, char* /*commandLine*/,
                       int /*show*/) {
  platform::win32::Win32Platform os;
  platform::ScopedPlatform bind(os);
  return velmora_win::RunProgram();
}
