// What a tool asks of the program it runs in: the tool window, the pop-up
// pickers, mouse capture and the hook library's cursor lock, the hook state,
// the high-resolution timer, and the windows that must make room before a
// tool runs. The program implements it (app/) and sets it into the tool
// room's state before any tool is made.
#pragma once
#include "platform/types.h"

namespace tool {

class TTool;

// Modes of the program's writer of the shared hook block (UpdateHookState).
enum HookStateMode { HookIdle = 0, HookToolActive = 1, HookRefresh = 2, HookDialogOpen = 3, HookDialogClosed = 4 };

class ToolHost {
 public:
  virtual ~ToolHost() = default;

  // The tool window: attached before Start, released after Stop.
  virtual void AttachToolWindow(TTool& tool) = 0;
  virtual void ReleaseToolWindow(TTool& tool) = 0;
  // The colour and width pop-ups, a step forward or back.
  virtual void StepColorPicker(bool forward) = 0;
  virtual void StepWidthPicker(bool forward) = 0;

  // Relative mouse motion through DirectInput; false when it is not there
  // (the hook library then holds the cursor at LockCursor's point).
  virtual bool StartMouseCapture() = 0;
  virtual void StopMouseCapture() = 0;
  virtual void LockCursor(platform::Point at) = 0;
  virtual void UnlockCursor() = 0;

  virtual void UpdateHookState(HookStateMode mode) = 0;
  // The hooks report nothing until then (an activation waits for it).
  virtual void QuietHooksUntil(platform::Tick due) = 0;
  // Command 13 at the interval, for the active tool's HiResTick.
  virtual void StartHiResTimer(int interval, int resolution) = 0;
  virtual void StopHiResTimer() = 0;

  // What must make room before a tool runs; each is true when it closed,
  // hid or shrank something, so the activation waits a moment.
  virtual bool ClosePageSorter() = 0;
  virtual bool HideEditorForTool() = 0;
  virtual bool MediaCenterFillsScreen() = 0;
  virtual void ShrinkMediaCenter() = 0;
  // The tool's button in the configuration window shows it is no longer running.
  virtual void RefreshToolButton(TTool& tool) = 0;
};

}  // namespace tool
