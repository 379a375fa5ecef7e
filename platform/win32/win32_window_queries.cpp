// What the system asks about windows, its own and other programs'.
#include <windows.h>

#include <vector>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_window_system.h"

namespace platform::win32 {

bool Win32WindowSystem::IsWindow(WindowHandle w) { return w && ::IsWindow(ToHwnd(w)); }

std::string Win32WindowSystem::ClassOf(WindowHandle w) {
  char buf[257];
  int n = GetClassNameA(ToHwnd(w), buf, sizeof buf);
  return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

std::string Win32WindowSystem::Caption(WindowHandle w) {
  int length = GetWindowTextLengthA(ToHwnd(w));
  if (length <= 0) return {};
  std::vector<char> buf(static_cast<std::size_t>(length) + 1);
  int n = GetWindowTextA(ToHwnd(w), buf.data(), length + 1);
  return std::string(buf.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

void Win32WindowSystem::SetCaption(WindowHandle w, std::string_view caption) {
  SetWindowTextA(ToHwnd(w), std::string(caption).c_str());
}

WindowHandle Win32WindowSystem::Find(std::string_view className, std::string_view caption) {
  std::string cls(className), text(caption);
  return FromHwnd(FindWindowA(cls.c_str(), text.empty() ? nullptr : text.c_str()));
}

bool Win32WindowSystem::IsWithin(WindowHandle parent, WindowHandle w) {
  // Children lead to their parent, top-level windows to their owner; the depth
  // bound keeps a window that dies half-way from looping us.
  HWND target = ToHwnd(parent);
  HWND h = ToHwnd(w);
  for (int depth = 0; h && depth < 64; ++depth) {
    if (h == target) return true;
    bool child = (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) != 0;
    h = child ? GetAncestor(h, GA_PARENT) : GetWindow(h, GW_OWNER);
  }
  return false;
}

Rect Win32WindowSystem::Bounds(WindowHandle w) {
  RECT r{};
  if (!GetWindowRect(ToHwnd(w), &r)) return {};
  return {r.left, r.top, r.right, r.bottom};
}

bool Win32WindowSystem::IsVisible(WindowHandle w) { return IsWindowVisible(ToHwnd(w)) != 0; }
bool Win32WindowSystem::IsMinimized(WindowHandle w) { return IsIconic(ToHwnd(w)) != 0; }

WindowHandle Win32WindowSystem::TopLevelAt(Point p) {
  HWND h = WindowFromPoint(POINT{p.x, p.y});
  return FromHwnd(h ? GetAncestor(h, GA_ROOT) : nullptr);
}

WindowHandle Win32WindowSystem::Desktop() { return FromHwnd(GetDesktopWindow()); }
WindowHandle Win32WindowSystem::Foreground() { return FromHwnd(GetForegroundWindow()); }
WindowHandle Win32WindowSystem::Active() { return FromHwnd(GetActiveWindow()); }

std::uint32_t Win32WindowSystem::ThreadOf(WindowHandle w) { return GetWindowThreadProcessId(ToHwnd(w), nullptr); }
std::uint32_t Win32WindowSystem::CurrentThread() { return GetCurrentThreadId(); }

}  // namespace platform::win32
