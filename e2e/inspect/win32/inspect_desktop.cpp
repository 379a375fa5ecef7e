// The desktop as the end-to-end probe sees it: another program's window that
// records its input, screen pixels, and the hook library's MouseProc timed
// from outside. Test tools only.
#include <windows.h>

#include <cstdio>

#include "e2e/inspect/inspect.h"

namespace inspect {
namespace {

std::FILE* recordLog = nullptr;

void Record(UINT msg, WPARAM wParam, POINT pt) {
  if (!recordLog) return;
  std::fprintf(recordLog, "%04X %04llX %ld %ld\n", msg, static_cast<unsigned long long>(wParam), pt.x, pt.y);
  // The harness reads the log while the window runs.
  std::fflush(recordLog);
}

bool IsInputMessage(UINT m) {
  return (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
         (m >= WM_KEYFIRST && m <= WM_KEYLAST);
}

LRESULT CALLBACK RecordingProc(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CONTEXTMENU: {
      // Sent, not queued: DefWindowProc makes it from a right release that
      // reached the window, so it is evidence of that release too.
      POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      Record(msg, wParam, pt);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(w, msg, wParam, lParam);
  }
}

}  // namespace

bool RunRecordingWindow(const std::string& className, platform::Rect bounds, const std::string& logPath, double seconds) {
  recordLog = std::fopen(logPath.c_str(), "ab");  // plain "\n" lines for the harness
  if (!recordLog) return false;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  // A flat mid grey: whatever is drawn over it shows in a capture.
  wc.hbrBackground = CreateSolidBrush(RGB(128, 128, 128));
  wc.lpszClassName = className.c_str();
  if (!RegisterClassA(&wc)) return false;
  HWND w = CreateWindowExA(WS_EX_TOPMOST, className.c_str(), "Recording window", WS_OVERLAPPEDWINDOW, bounds.left,
                           bounds.top, bounds.Width(), bounds.Height(), nullptr, nullptr, instance, nullptr);
  if (!w) return false;
  ShowWindow(w, SW_SHOWNORMAL);
  UpdateWindow(w);
  SetForegroundWindow(w);
  SetFocus(w);
  // Where the window and its client area really are, for whoever reads the log.
  RECT wr{}, cr{};
  GetWindowRect(w, &wr);
  GetClientRect(w, &cr);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&cr), 2);
  std::fprintf(recordLog, "window %ld %ld %ld %ld client %ld %ld %ld %ld\n", wr.left, wr.top, wr.right, wr.bottom,
               cr.left, cr.top, cr.right, cr.bottom);
  std::fprintf(recordLog, "ready\n");
  std::fflush(recordLog);

  const ULONGLONG due = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
  bool quit = false;
  while (!quit) {
    ULONGLONG now = GetTickCount64();
    if (now >= due) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(due - now), QS_ALLINPUT);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (m.message == WM_QUIT) {
        quit = true;
        break;
      }
      // Logged as the queue hands it over, that is after every hook let it pass.
      if (IsInputMessage(m.message)) Record(m.message, m.wParam, m.pt);
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  if (IsWindow(w)) DestroyWindow(w);
  std::fprintf(recordLog, "end\n");
  std::fclose(recordLog);
  recordLog = nullptr;
  return true;
}

std::vector<std::uint32_t> CaptureScreen(platform::Rect area) {
  std::vector<std::uint32_t> pixels;
  const int w = area.Width(), h = area.Height();
  if (w <= 0 || h <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  if (!screen) return pixels;
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (mem && bmp && bits) {
    HGDIOBJ old = SelectObject(mem, bmp);
    if (BitBlt(mem, 0, 0, w, h, screen, area.left, area.top, SRCCOPY | CAPTUREBLT)) {
      GdiFlush();
      const auto* p = static_cast<const std::uint32_t*>(bits);
      pixels.assign(p, p + static_cast<std::size_t>(w) * h);
      for (auto& px : pixels) px &= 0x00FFFFFF;
    }
    SelectObject(mem, old);
  }
  if (bmp) DeleteObject(bmp);
  if (mem) DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  return pixels;
}

MouseProcTiming TimeMouseProc(const std::string& libraryPath, const std::string& blockName, std::uint32_t calls,
                              platform::Point a, platform::Point b) {
  MouseProcTiming t;
  HMODULE lib = LoadLibraryA(libraryPath.c_str());
  if (!lib) return t;
  auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(lib, "MouseProc")));
  if (!proc || calls == 0) {
    FreeLibrary(lib);
    return t;
  }
  t.loaded = true;
  MOUSEHOOKSTRUCT at[2]{};
  at[0].pt = POINT{a.x, a.y};
  at[1].pt = POINT{b.x, b.y};
  for (auto& s : at) s.hwnd = WindowFromPoint(s.pt);
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  auto seconds = [&] { return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart); };

  // A warm-up, so that the first mapping of the block is not counted.
  for (int i = 0; i < 100; ++i) proc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&at[i & 1]));
  // Each loop stops early once it has run for the budget, so that a slow
  // machine bounds the harness's time rather than the figure's precision.
  const LONGLONG budget = freq.QuadPart * 2;
  std::uint32_t n = 0;
  QueryPerformanceCounter(&start);
  for (; n < calls; ++n) {
    proc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&at[n & 1]));
    if ((n & 63) == 63) {
      QueryPerformanceCounter(&end);
      if (end.QuadPart - start.QuadPart > budget) break;
    }
  }
  QueryPerformanceCounter(&end);
  t.calls = n < calls ? n + 1 : n;
  t.nsPerCall = seconds() * 1e9 / t.calls;

  n = 0;
  QueryPerformanceCounter(&start);
  for (; n < t.calls; ++n) {
    HANDLE h = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, blockName.c_str());
    if (!h) continue;
    // The view the hook procedures map: the block's 4060 bytes.
    if (void* v = MapViewOfFile(h, FILE_MAP_ALL_ACCESS, 0, 0, 4060)) UnmapViewOfFile(v);
    CloseHandle(h);
  }
  QueryPerformanceCounter(&end);
  t.nsPerMapping = seconds() * 1e9 / t.calls;
  FreeLibrary(lib);
  return t;
}

}  // namespace inspect
