// Windows, window messages, timers, message loops and the foreground operations.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace platform {

enum class ShowCommand { Hide, Show, ShowNormal, ShowNoActivate, Minimize, Restore };

struct WindowSpec {
  std::string className;
  std::string caption;
  Rect bounds;
  bool visible = false;
  bool popup = true;       // no caption bar or border
  bool topmost = false;
  bool toolWindow = false;  // never on the taskbar
  WindowHandle owner;
};

// What a window of ours does with its messages. Unhandled messages get the
// platform's default treatment.
class WindowProcedure {
 public:
  virtual ~WindowProcedure() = default;
  virtual bool OnMessage(WindowHandle self, const Message& m, std::int64_t& result) = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual WindowHandle Create(const WindowSpec& spec, WindowProcedure* procedure) = 0;
  virtual void Destroy(WindowHandle w) = 0;
  virtual bool Post(WindowHandle w, const Message& m) = 0;
  virtual std::int64_t Send(WindowHandle w, const Message& m) = 0;
  virtual std::uint32_t RegisterMessage(std::string_view name) = 0;
  virtual bool SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t intervalMs) = 0;
  virtual void KillTimer(WindowHandle w, std::uint32_t id) = 0;

  // Runs until PostQuit; returns its code.
  virtual int RunMessageLoop() = 0;
  virtual void PostQuit(int code) = 0;
  // Handles every message already waiting, then returns.
  virtual void ProcessMessages() = 0;
  // Handles messages as they come for the given time, then returns.
  virtual void WaitProcessingMessages(std::uint32_t ms) = 0;

  virtual bool IsWindow(WindowHandle w) = 0;
  virtual std::string ClassOf(WindowHandle w) = 0;
  virtual std::string Caption(WindowHandle w) = 0;
  virtual void SetCaption(WindowHandle w, std::string_view caption) = 0;
  // First top-level window of the class (compared without case); an empty
  // caption matches any.
  virtual WindowHandle Find(std::string_view className, std::string_view caption) = 0;
  // True when w is parent itself or one of its descendants (owned windows count).
  virtual bool IsWithin(WindowHandle parent, WindowHandle w) = 0;
  virtual Rect Bounds(WindowHandle w) = 0;
  virtual bool IsVisible(WindowHandle w) = 0;
  virtual bool IsMinimized(WindowHandle w) = 0;
  virtual WindowHandle TopLevelAt(Point p) = 0;
  virtual WindowHandle Desktop() = 0;
  virtual WindowHandle Foreground() = 0;
  // The active window of the calling thread.
  virtual WindowHandle Active() = 0;
  virtual std::uint32_t ThreadOf(WindowHandle w) = 0;
  virtual std::uint32_t CurrentThread() = 0;

  virtual void Show(WindowHandle w, ShowCommand how) = 0;
  virtual void SetBounds(WindowHandle w, Rect bounds) = 0;
  virtual void SetTopmost(WindowHandle w, bool topmost) = 0;
  virtual bool SetForeground(WindowHandle w) = 0;
  virtual void BringToTop(WindowHandle w) = 0;
  virtual void SetFocus(WindowHandle w) = 0;
  virtual bool AttachInput(std::uint32_t fromThread, std::uint32_t toThread, bool attach) = 0;
  virtual std::uint32_t ForegroundLockTimeout() = 0;
  virtual void SetForegroundLockTimeout(std::uint32_t ms) = 0;
  virtual void Beep() = 0;
};

}  // namespace platform
