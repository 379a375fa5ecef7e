// Windows, messages, timers, message loops and the foreground operations on the
// Windows API. Our windows all run one window procedure that hands every
// message to the WindowProcedure given at creation.
#pragma once
#include <set>
#include <string>

#include "platform/window_system.h"

namespace platform::win32 {

class Win32WindowSystem final : public WindowSystem {
 public:
  WindowHandle Create(const WindowSpec& spec, WindowProcedure* procedure) override;
  void Destroy(WindowHandle w) override;
  bool Post(WindowHandle w, const Message& m) override;
  std::int64_t Send(WindowHandle w, const Message& m) override;
  std::uint32_t RegisterMessage(std::string_view name) override;
  bool SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t intervalMs) override;
  void KillTimer(WindowHandle w, std::uint32_t id) override;

  int RunMessageLoop() override;
  void PostQuit(int code) override;
  void ProcessMessages() override;
  void WaitProcessingMessages(std::uint32_t ms) override;

  bool IsWindow(WindowHandle w) override;
  std::string ClassOf(WindowHandle w) override;
  std::string Caption(WindowHandle w) override;
  void SetCaption(WindowHandle w, std::string_view caption) override;
  WindowHandle Find(std::string_view className, std::string_view caption) override;
  bool IsWithin(WindowHandle parent, WindowHandle w) override;
  Rect Bounds(WindowHandle w) override;
  bool IsVisible(WindowHandle w) override;
  bool IsMinimized(WindowHandle w) override;
  WindowHandle TopLevelAt(Point p) override;
  WindowHandle Desktop() override;
  WindowHandle Foreground() override;
  WindowHandle Active() override;
  std::uint32_t ThreadOf(WindowHandle w) override;
  std::uint32_t CurrentThread() override;

  void Show(WindowHandle w, ShowCommand how) override;
  void SetBounds(WindowHandle w, Rect bounds) override;
  void SetTopmost(WindowHandle w, bool topmost) override;
  bool SetForeground(WindowHandle w) override;
  void BringToTop(WindowHandle w) override;
  void SetFocus(WindowHandle w) override;
  bool AttachInput(std::uint32_t fromThread, std::uint32_t toThread, bool attach) override;
  std::uint32_t ForegroundLockTimeout() override;
  void SetForegroundLockTimeout(std::uint32_t ms) override;
  void Beep() override;

 private:
  // Handles what is waiting; false once WM_QUIT was seen (it is posted again
  // for the loop that owns it).
  bool PumpWaiting();
  bool EnsureClass(const std::string& className);

  std::set<std::string> registeredClasses_;  // lower-case
};

}  // namespace platform::win32
