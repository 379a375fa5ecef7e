// The message loops: the program's GetMessage loop and the two ways of handling
// messages while the code waits.
#include <windows.h>

#include "platform/win32/win32_window_system.h"

namespace platform::win32 {

int Win32WindowSystem::RunMessageLoop() {
  MSG m;
  for (;;) {
    BOOL got = GetMessageA(&m, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(m.wParam);
    if (got == -1) return -1;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

void Win32WindowSystem::PostQuit(int code) { PostQuitMessage(code); }

bool Win32WindowSystem::PumpWaiting() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      // The quit belongs to the outer message loop: leave it in the queue.
      PostQuitMessage(static_cast<int>(m.wParam));
      return false;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return true;
}

void Win32WindowSystem::ProcessMessages() { PumpWaiting(); }

void Win32WindowSystem::WaitProcessingMessages(std::uint32_t ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    // Once the program is quitting, waiting on would spin on the re-posted quit.
    if (!PumpWaiting()) return;
    DWORD passed = GetTickCount() - start;
    if (passed >= ms) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_ALLINPUT);
  }
}

}  // namespace platform::win32
