// Showing, placing and raising windows, and the foreground lock.
#include <windows.h>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_window_system.h"

namespace platform::win32 {

void Win32WindowSystem::Show(WindowHandle w, ShowCommand how) {
  int cmd = SW_SHOW;
  switch (how) {
    case ShowCommand::Hide: cmd = SW_HIDE; break;
    case ShowCommand::Show: cmd = SW_SHOW; break;
    case ShowCommand::ShowNormal: cmd = SW_SHOWNORMAL; break;
    case ShowCommand::ShowNoActivate: cmd = SW_SHOWNOACTIVATE; break;
    case ShowCommand::Minimize: cmd = SW_MINIMIZE; break;
    case ShowCommand::Restore: cmd = SW_RESTORE; break;
  }
  ShowWindow(ToHwnd(w), cmd);
}

void Win32WindowSystem::SetBounds(WindowHandle w, Rect b) {
  SetWindowPos(ToHwnd(w), nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32WindowSystem::SetTopmost(WindowHandle w, bool topmost) {
  SetWindowPos(ToHwnd(w), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32WindowSystem::SetForeground(WindowHandle w) { return SetForegroundWindow(ToHwnd(w)) != 0; }
void Win32WindowSystem::BringToTop(WindowHandle w) { BringWindowToTop(ToHwnd(w)); }
void Win32WindowSystem::SetFocus(WindowHandle w) { ::SetFocus(ToHwnd(w)); }

bool Win32WindowSystem::AttachInput(std::uint32_t fromThread, std::uint32_t toThread, bool attach) {
  return AttachThreadInput(fromThread, toThread, attach ? TRUE : FALSE) != 0;
}

std::uint32_t Win32WindowSystem::ForegroundLockTimeout() {
  DWORD ms = 0;
  SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &ms, 0);
  return ms;
}

void Win32WindowSystem::SetForegroundLockTimeout(std::uint32_t ms) {
  // Not written to the user profile and not broadcast: the system sets it to 0
  // for one call and puts the old value back straight away.
  SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<PVOID>(static_cast<UINT_PTR>(ms)), 0);
}

void Win32WindowSystem::Beep() { MessageBeep(0); }

}  // namespace platform::win32
