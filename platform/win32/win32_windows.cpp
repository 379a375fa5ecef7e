// Window classes, creation and the one window procedure of our windows.
#include <windows.h>


#include "base/strings.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_window_system.h"

namespace platform::win32 {
namespace {

// CreateWindowEx sends WM_GETMINMAXINFO, WM_NCCREATE and WM_CREATE before it
// returns; the procedure waits here until the first of them claims it.
thread_local WindowProcedure* procedureBeingCreated = nullptr;

WindowProcedure* ProcedureOf(HWND hwnd) {
  auto* p = reinterpret_cast<WindowProcedure*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!p && procedureBeingCreated) {
    p = procedureBeingCreated;
    procedureBeingCreated = nullptr;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(p));
  }
  return p;
}

LRESULT CALLBACK ForwardingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WindowProcedure* procedure = ProcedureOf(hwnd);
  if (msg == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  if (procedure) {
    std::int64_t result = 0;
    Message m{msg, static_cast<std::uint64_t>(wParam), static_cast<std::int64_t>(lParam)};
    // A C++ exception must not unwind through the system's dispatcher: it
    // ends the message as unhandled and leaves a trace for the debugger.
    try {
      if (procedure->OnMessage(FromHwnd(hwnd), m, result)) return static_cast<LRESULT>(result);
    } catch (...) {
      OutputDebugStringA("Velmora: exception in a window procedure");
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

bool Win32WindowSystem::EnsureClass(const std::string& className) {
  std::string key = base::LowerCase(className);
  if (registeredClasses_.count(key)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ForwardingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className.c_str();
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  registeredClasses_.insert(key);
  return true;
}

WindowHandle Win32WindowSystem::Create(const WindowSpec& spec, WindowProcedure* procedure) {
  if (!EnsureClass(spec.className)) return {};
  DWORD style = spec.popup ? WS_POPUP : WS_OVERLAPPEDWINDOW;
  if (spec.visible) style |= WS_VISIBLE;
  DWORD exStyle = 0;
  if (spec.topmost) exStyle |= WS_EX_TOPMOST;
  if (spec.toolWindow) exStyle |= WS_EX_TOOLWINDOW;
  procedureBeingCreated = procedure;
  HWND h = CreateWindowExA(exStyle, spec.className.c_str(), spec.caption.c_str(), style, spec.bounds.left,
                           spec.bounds.top, spec.bounds.Width(), spec.bounds.Height(), ToHwnd(spec.owner), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  procedureBeingCreated = nullptr;
  return FromHwnd(h);
}

void Win32WindowSystem::Destroy(WindowHandle w) { DestroyWindow(ToHwnd(w)); }

// A null window would turn a post into a thread message and a timer into a
// thread timer; neither reaches a window procedure, so both are refused.
bool Win32WindowSystem::Post(WindowHandle w, const Message& m) {
  if (!w) return false;
  return PostMessageA(ToHwnd(w), m.msg, static_cast<WPARAM>(m.wParam), static_cast<LPARAM>(m.lParam)) != 0;
}

std::int64_t Win32WindowSystem::Send(WindowHandle w, const Message& m) {
  return SendMessageA(ToHwnd(w), m.msg, static_cast<WPARAM>(m.wParam), static_cast<LPARAM>(m.lParam));
}

std::uint32_t Win32WindowSystem::RegisterMessage(std::string_view name) {
  return RegisterWindowMessageA(std::string(name).c_str());
}

bool Win32WindowSystem::SetTimer(WindowHandle w, std::uint32_t id, std::uint32_t intervalMs) {
  if (!w) return false;
  return ::SetTimer(ToHwnd(w), id, intervalMs, nullptr) != 0;
}

void Win32WindowSystem::KillTimer(WindowHandle w, std::uint32_t id) { ::KillTimer(ToHwnd(w), id); }

}  // namespace platform::win32
