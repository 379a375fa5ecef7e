// The main program's side of the shared hook block: it creates the block, keeps
// it mapped for the whole run and rewrites it through UpdateHookState.
#pragma once
#include "shared/A_globtr.h"
#include "tool/tool_host.h"

namespace app {

// The mapped block, or none when it could not be created.
shared::MouseHookSharedData* HookData();

// The single-instance check: creates the block before anything else runs. When
// it already existed, another copy runs: that copy is told to show its
// configuration window (command 126) and false is returned.
bool ClaimHookData();
// "Install Hooks": maps the block and writes the control window and the initial
// values. Without a block the program runs without shared data.
void InitHookData();
void CloseHookData();
// Mode 0 clears and 1 sets the tool-active flag, 3 sets and 4 clears the
// dialog-open flag, 2 changes neither; every mode copies in again all that
// the hook library reads.
void UpdateHookState(tool::HookStateMode mode);

}  // namespace app
