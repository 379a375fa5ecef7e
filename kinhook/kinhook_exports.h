// The control functions Kinhook.dll exports for the main program; the hook
// procedures KeyboardProc and MouseProc are exported as well, for the library's
// own SetWindowsHookEx calls.
#pragma once
#include <stdint.h>

extern "C" {
void DLL_InstallHooks();
void DLL_RemoveHooks();
uint32_t DLL_StartHiResTimer(uint32_t intervalMs, uint32_t resolutionMs, uint32_t window);
void DLL_StopHiResTimer();
}
