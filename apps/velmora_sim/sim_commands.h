// The script commands that reach into the main program on the simulated
// desktop (start it, load and save profiles, fire events, list triggers).
#pragma once
#include "kinhook/sim/sim_hook_library.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_script.h"

namespace velmora_sim {

// Registers Velmora.exe with the desktop and the program's commands with the
// script; the program runs with `hooks` as its hook library.
void InstallProgram(platform::sim::SimDesktop& desktop, platform::sim::ScriptTimeline& script,
                    kinhook::sim::SimHookLibrary& hooks);
// Runs the script from its start; returns the main program's exit code.
int RunScript(platform::sim::SimDesktop& desktop, platform::sim::ScriptTimeline& script);

}  // namespace velmora_sim
