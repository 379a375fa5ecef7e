// Remdev.dll: the entry point and the exports over the one library object of
// the process.
#include <windows.h>

#include "remdev/remdev_exports.h"
#include "remdev/remdev_logic.h"
#include "remdev/win32/win32_environment.h"

namespace {

remdev::win32::Win32Environment environment;
remdev::Library library(environment);
[[maybe_unused]] HINSTANCE module = nullptr;  // the library's own, stored at attach

std::uint64_t WindowValue(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    // reserved is set when the process ends: its other threads are gone.
    library.Detach(reserved != nullptr);
  }
  return TRUE;
}

extern "C" {

int __stdcall InitRemote(HWND window) { return library.InitRemote(WindowValue(window)); }
int __stdcall TerminateRemote() { return library.TerminateRemote(); }

int __stdcall OpenDevice(HWND window, unsigned int messageBase, int reopen) {
  return library.OpenDevice(WindowValue(window), messageBase, reopen != 0);
}

int __stdcall ReadData(void* buffer, int length) { return library.ReadData(buffer, length); }
int __stdcall CloseDevice() { return library.CloseDevice(); }

}
