// The exports of Remdev.dll, for the Windows program's binding. The window is
// a window handle; the convention is the system's (stdcall).
#pragma once

struct HWND__;

extern "C" {
int __stdcall InitRemote(HWND__* window);
int __stdcall TerminateRemote();
int __stdcall OpenDevice(HWND__* window, unsigned int messageBase, int reopen);
int __stdcall ReadData(void* buffer, int length);
int __stdcall CloseDevice();
}
