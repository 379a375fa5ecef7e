// Screen metrics, monitors and the cursor.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/win32/win32_services.h"

namespace platform::win32 {
namespace {

// Monitors are enumerated afresh on every question: the layout changes
// whenever the user plugs a projector in.
std::vector<Rect> Monitors() {
  struct Found {
    std::vector<Rect> rects;
    int primary = -1;
  } found;
  auto collect = [](HMONITOR m, HDC, LPRECT r, LPARAM data) -> BOOL {
    auto* f = reinterpret_cast<Found*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(m, &info) && (info.dwFlags & MONITORINFOF_PRIMARY))
      f->primary = static_cast<int>(f->rects.size());
    f->rects.push_back({r->left, r->top, r->right, r->bottom});
    return TRUE;
  };
  EnumDisplayMonitors(nullptr, nullptr, collect, reinterpret_cast<LPARAM>(&found));
  if (found.primary > 0) std::rotate(found.rects.begin(), found.rects.begin() + found.primary,
                                     found.rects.begin() + found.primary + 1);
  return found.rects;
}

}  // namespace

Rect Win32Screen::VirtualScreen() {
  int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

int Win32Screen::MonitorCount() { return static_cast<int>(Monitors().size()); }

Rect Win32Screen::MonitorBounds(int index) {
  auto all = Monitors();
  if (index < 0 || index >= static_cast<int>(all.size())) return {};
  return all[static_cast<std::size_t>(index)];
}

Point Win32Screen::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void Win32Screen::SetCursorPos(Point p) { ::SetCursorPos(p.x, p.y); }

void Win32Screen::ClipCursor(std::optional<Rect> area) {
  if (!area) {
    ::ClipCursor(nullptr);
    return;
  }
  RECT r{area->left, area->top, area->right, area->bottom};
  ::ClipCursor(&r);
}

int Win32Screen::ColorDepth() {
  HDC dc = GetDC(nullptr);
  int bits = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
  // The system treats 32-bit displays as true colour: 24 is as deep as it goes.
  return std::min(bits, 24);
}

bool Win32Screen::PaletteDevice() {
  HDC dc = GetDC(nullptr);
  bool palette = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
  ReleaseDC(nullptr, dc);
  return palette;
}

}  // namespace platform::win32
