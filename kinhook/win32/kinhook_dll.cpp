// Kinhook.dll: the recognisers bound to the Windows API. Windows loads this
// library into every process that receives input while the hooks are installed,
// so it brings no runtime along: no C or C++ library, no static constructors,
// no heap. The per-process state below is zero-initialised data.
#include <windows.h>
#include <mmsystem.h>

#include "kinhook/d_trig_logic.h"
#include "kinhook/kinhook_exports.h"

namespace {
using shared::Point32;
using kinhook::BlockView;

HINSTANCE module;
// What this process installed: only the main program's copy has any.
HHOOK mouseHook, keyboardHook;
UINT watchTimer, hiResTimer;
UINT timerPeriod;

// Window handles are 32 bits wide across processes; they widen by sign extension.
HWND AsWindow(int32_t h) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(h)); }

bool ClassIs(HWND w, const char* want) {
  char cls[501];
  int n = GetClassNameA(w, cls, sizeof cls);
  if (n <= 0) return false;
  int i = 0;
  for (; i < n && want[i]; ++i) {
    char a = cls[i], b = want[i];
    if (a >= 'a' && a <= 'z') a = static_cast<char>(a - 32);
    if (b >= 'a' && b <= 'z') b = static_cast<char>(b - 32);
    if (a != b) return false;
  }
  return i == n && want[i] == 0;
}

uint32_t TickCount() { return GetTickCount(); }
bool ButtonDown(uint32_t vk) { return (GetAsyncKeyState(static_cast<int>(vk)) & 0x8000) != 0; }
bool KeyDown(uint32_t vk) { return (GetKeyState(static_cast<int>(vk)) & 0x8000) != 0; }
bool ButtonsSwapped() { return GetSystemMetrics(SM_SWAPBUTTON) != 0; }
void RestoreButtons() { SwapMouseButton(FALSE); }
Point32 CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}
void PutCursor(Point32 p) { SetCursorPos(p.x, p.y); }
void Pause(uint32_t ms) { Sleep(ms); }
bool IsControlWindow(int32_t h) { return IsWindow(AsWindow(h)) && ClassIs(AsWindow(h), "TMainForm"); }
void Post(int32_t window, uint32_t code, int32_t lParam) {
  PostMessageA(AsWindow(window), shared::InternalCommand, code, static_cast<LPARAM>(lParam));
}
bool OverToolbar(Point32 p) {
  HWND w = WindowFromPoint(POINT{p.x, p.y});
  for (int depth = 0; w && depth < 64; ++depth) {
    HWND parent = GetParent(w);
    if (!parent) break;
    w = parent;
  }
  return w && ClassIs(w, "TTABBAR");
}
void InvertLine(Point32 from, Point32 to) {
  HWND desktop = GetDesktopWindow();
  HDC dc = GetWindowDC(desktop);
  if (!dc) return;
  LOGBRUSH brush{BS_SOLID, RGB(0, 0, 255), 0};
  HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, 3, &brush, 0, nullptr);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  int oldMode = SetROP2(dc, R2_NOTXORPEN);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  SetROP2(dc, oldMode);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  ReleaseDC(desktop, dc);
}
BlockView OpenBlock() {
  HANDLE h = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, shared::SharedDataName);
  if (!h) return {nullptr, 0};
  void* view = MapViewOfFile(h, FILE_MAP_ALL_ACCESS, 0, 0, shared::SharedDataSize);
  if (!view) {
    CloseHandle(h);
    return {nullptr, 0};
  }
  return {static_cast<shared::MouseHookSharedData*>(view), reinterpret_cast<uintptr_t>(h)};
}
void CloseBlock(BlockView v) {
  UnmapViewOfFile(v.data);
  CloseHandle(reinterpret_cast<HANDLE>(v.token));
}

constexpr kinhook::Environment environment{TickCount,  ButtonDown, KeyDown, ButtonsSwapped, RestoreButtons,
                                           CursorPos,  PutCursor,  Pause,   IsControlWindow, Post,
                                           OverToolbar, InvertLine, OpenBlock, CloseBlock};

void CALLBACK ButtonWatchTimer(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) { kinhook::WatchTimerStep(environment); }

void CALLBACK HiResTimerCallback(UINT, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
  PostMessageA(reinterpret_cast<HWND>(window), shared::InternalCommand, shared::CmdHiResTick, 0);
}

// The next hook's handle is ignored by Windows since NT, and the one in the
// block is not to be trusted, so none is passed.
LRESULT Finish(kinhook::Verdict v, int code, WPARAM wParam, LPARAM lParam) {
  if (v == kinhook::Swallow) return 1;
  if (v == kinhook::Deliver) return 0;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  const MOUSEHOOKSTRUCT* info = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  Point32 pt = info ? Point32{info->pt.x, info->pt.y} : CursorPos();
  return Finish(kinhook::MouseStep(environment, code, static_cast<uint32_t>(wParam), pt), code, wParam, lParam);
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  kinhook::Verdict v = kinhook::KeyboardStep(environment, code, static_cast<uint32_t>(wParam),
                                             static_cast<uint32_t>(lParam));
  return Finish(v, code, wParam, lParam);
}

void DLL_InstallHooks() {
  TIMECAPS caps{};
  timerPeriod = 5;
  if (timeGetDevCaps(&caps, sizeof caps) == TIMERR_NOERROR && caps.wPeriodMin > timerPeriod)
    timerPeriod = caps.wPeriodMin;
  timeBeginPeriod(timerPeriod);
  BlockView view = OpenBlock();
  if (!view.data) return;  // no block: no hooks and no watch timer
  mouseHook = SetWindowsHookExA(WH_MOUSE, MouseProc, module, 0);
  keyboardHook = SetWindowsHookExA(WH_KEYBOARD, KeyboardProc, module, 0);
  view.data->MouseHook = static_cast<int32_t>(reinterpret_cast<intptr_t>(mouseHook));
  view.data->KeyboardHook = static_cast<int32_t>(reinterpret_cast<intptr_t>(keyboardHook));
  view.data->Reserved4056 = 0;
  watchTimer = timeSetEvent(100, 30, ButtonWatchTimer, 0, TIME_PERIODIC);
  CloseBlock(view);
}

// Undoes what this process did itself, whether or not the block still exists:
// the handles in the block may have been overwritten by anyone.
void DLL_RemoveHooks() {
  if (mouseHook) UnhookWindowsHookEx(mouseHook);
  if (keyboardHook) UnhookWindowsHookEx(keyboardHook);
  mouseHook = keyboardHook = nullptr;
  if (watchTimer) timeKillEvent(watchTimer);
  watchTimer = 0;
  if (timerPeriod) timeEndPeriod(timerPeriod);
  timerPeriod = 0;
}

uint32_t DLL_StartHiResTimer(uint32_t interval, uint32_t resolution, uint32_t window) {
  DLL_StopHiResTimer();
  hiResTimer = timeSetEvent(interval, kinhook::HiResResolutionFor(interval, resolution), HiResTimerCallback,
                            static_cast<DWORD_PTR>(window), TIME_PERIODIC);
  return hiResTimer;
}

void DLL_StopHiResTimer() {
  if (hiResTimer) timeKillEvent(hiResTimer);
  hiResTimer = 0;
}

}  // extern "C"
