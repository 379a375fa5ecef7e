// d_trig: the hook library's recognisers, written once for both builds. They
// work on the shared hook block and reach the desktop only through Environment:
// the Windows API in Kinhook.dll, the simulated desktop in the native build.
// No heap, no exceptions, no locks, no static constructors here: this code runs
// on the input thread of every process that receives input.
#pragma once
#include <stdint.h>

#include "shared/A_globtr.h"

namespace kinhook {

// What a hook call does with its message: pass it to the next hook, swallow it
// (return 1), or deliver it (return 0 without the other hooks).
enum Verdict : int32_t { PassOn = 0, Swallow = 1, Deliver = 2 };

// One opened and mapped view of the block; data is null when it does not exist.
struct BlockView {
  shared::MouseHookSharedData* data;
  uintptr_t token;  // whatever the environment needs to unmap and close it
};

struct Environment {
  uint32_t (*tickCount)();                 // GetTickCount and timeGetTime: one clock
  bool (*buttonDown)(uint32_t vk);          // physical state now (GetAsyncKeyState)
  bool (*keyDown)(uint32_t vk);             // state as of the message (GetKeyState)
  bool (*buttonsSwapped)();                 // SM_SWAPBUTTON
  void (*restoreButtons)();                 // SwapMouseButton(FALSE)
  shared::Point32 (*cursorPos)();
  void (*setCursorPos)(shared::Point32 p);
  void (*sleep)(uint32_t ms);
  bool (*isControlWindow)(int32_t handle);  // a window of class "TMainForm"
  void (*post)(int32_t window, uint32_t code, int32_t lParam);
  bool (*overToolbar)(shared::Point32 p);   // the top-level window under p is a "TTABBAR"
  shared::InvertingLinePainter invertLine;  // the swipe arrow's pen on the desktop
  BlockView (*openBlock)();
  void (*closeBlock)(BlockView view);
};

// Mouse and keyboard message numbers the hooks classify.
namespace wm {
inline constexpr uint32_t KeyDown = 0x100, KeyUp = 0x101, SysKeyDown = 0x104, SysKeyUp = 0x105;
inline constexpr uint32_t NcMouseMove = 0xA0, NcLButtonDown = 0xA1, NcLButtonUp = 0xA2, NcLButtonDblClk = 0xA3;
inline constexpr uint32_t NcRButtonDown = 0xA4, NcRButtonUp = 0xA5, NcRButtonDblClk = 0xA6;
inline constexpr uint32_t NcMButtonDown = 0xA7, NcMButtonUp = 0xA8, NcMButtonDblClk = 0xA9;
inline constexpr uint32_t MouseMove = 0x200, LButtonDown = 0x201, LButtonUp = 0x202, LButtonDblClk = 0x203;
inline constexpr uint32_t RButtonDown = 0x204, RButtonUp = 0x205, RButtonDblClk = 0x206;
inline constexpr uint32_t MButtonDown = 0x207, MButtonUp = 0x208, MButtonDblClk = 0x209;
inline constexpr uint32_t MouseWheel = 0x20A;
}  // namespace wm

inline constexpr int32_t HcNoRemove = 3;
// The system never holds input back further ahead than this; a later
// QuietUntil is stale or garbage and is ignored.
inline constexpr int32_t QuietHorizonMs = 5000;
inline constexpr uint32_t RecogniserWindowMs = 500;
inline constexpr uint32_t PollIntervalMs = 10;

// The mouse hook for one message at pt (screen coordinates).
Verdict MouseStep(const Environment& env, int32_t code, uint32_t message, shared::Point32 pt);
// The keyboard hook; keyFlags is the hook's lParam (bit 30 previous state, bit 31 up).
Verdict KeyboardStep(const Environment& env, int32_t code, uint32_t virtualKey, uint32_t keyFlags);
// The 100 ms watch timer: button-up samples and the hotspot dwell.
void WatchTimerStep(const Environment& env);
// The resolution a high-resolution timer runs with when the caller leaves it 0.
uint32_t HiResResolutionFor(uint32_t intervalMs, uint32_t resolutionMs);

// Whether any code first..last is bound; codes outside the block answer false.
bool AnyBound(const shared::MouseHookSharedData& d, int32_t first, int32_t last);

}  // namespace kinhook
