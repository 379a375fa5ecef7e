// The main program's side of the shared hook block: it creates the block, keeps
// it mapped for the whole run and rewrites it through UpdateHookState.
#pragma once
#include "shared/A_globtr.h"

namespace app {

// Modes of UpdateHookState.
enum HookStateMode { HookIdle = 0, HookToolActive = 1, HookRefresh = 2, HookDialogOpen = 3, HookDialogClosed = 4 };

// The mapped block, or none when it could not be created.
extern shared::MouseHookSharedData* HookData;

// The single-instance check: creates the block before anything else runs. When
// it already existed, another copy runs: that copy is told to show its
// configuration window (command 126) and false is returned.
bool ClaimHookData();
// "Install Hooks": maps the block and writes the control window and the initial
// values. Without a block the program runs without shared data.
void InitHookData();
void CloseHookData();
void UpdateHookState(int mode);

}  // namespace app
