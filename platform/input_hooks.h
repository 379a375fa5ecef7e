// Input hooks for the whole desktop and the input state they read: hook
// procedures see every mouse and keyboard message of every process before it is
// delivered and may swallow it. Also the button and key state, the button swap
// and the inverting line the swipe arrow is drawn with.
#pragma once
#include <cstdint>

#include "platform/types.h"

namespace platform {

enum class HookVerdict {
  PassOn,   // on to the next hook, then delivered
  Swallow,  // nobody else sees it
  Deliver,  // delivered without the other hooks
};

struct MouseHookInput {
  std::uint32_t message = 0;  // WM_MOUSEMOVE, WM_RBUTTONDOWN, WM_NC..., WM_MOUSEWHEEL
  Point pt;                   // screen coordinates
  WindowHandle window;        // the window the message is for
  std::int32_t wheelDelta = 0;
};

// Hook procedures run in the process that receives the message (os() is that
// process's platform) and may poll the input state, sleep and post meanwhile.
// The hook code is the system's: 0 = the message is being removed, 3 = only looked at.
using MouseHookProcedure = HookVerdict (*)(int code, const MouseHookInput& input);
// keyFlags is the keyboard hook's lParam: repeat count, bit 30 previous state, bit 31 going up.
using KeyboardHookProcedure = HookVerdict (*)(int code, std::uint32_t virtualKey, std::uint32_t keyFlags);

using HookHandle = Handle<struct HookTag>;

class InputHooks {
 public:
  virtual ~InputHooks() = default;
  // The latest installed hook is called first. No handle when hooks are unavailable.
  virtual HookHandle InstallMouseHook(MouseHookProcedure procedure) = 0;
  virtual HookHandle InstallKeyboardHook(KeyboardHookProcedure procedure) = 0;
  virtual bool RemoveHook(HookHandle hook) = 0;

  // Physical state of a mouse button or key now (GetAsyncKeyState); virtual-key numbers.
  virtual bool ButtonDown(std::uint32_t virtualKey) = 0;
  // State of a key as of the keyboard message being handled (GetKeyState).
  virtual bool KeyDown(std::uint32_t virtualKey) = 0;
  // Whether the primary button is the physical right one (SM_SWAPBUTTON).
  virtual bool ButtonsSwapped() = 0;
  virtual void SwapButtons(bool swap) = 0;

  // One line with the swipe arrow's pen: 3 pixels wide, flat caps, blue, NOT-XOR
  // on the desktop window, so that the same line drawn twice restores the screen.
  virtual void InvertDesktopLine(Point from, Point to) = 0;
};

}  // namespace platform
