// The script commands that reach into the main program on the simulated
// desktop (start it, load and save profiles, fire events, list triggers).
#pragma once
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_script.h"

namespace velmora_sim {

// Registers Velmora.exe with the desktop and the program's commands with the script.
void InstallProgram(platform::sim::SimDesktop& desktop, platform::sim::ScriptTimeline& script);
// Runs the script from its start; returns the main program's exit code.
int RunScript(platform::sim::SimDesktop& desktop, platform::sim::ScriptTimeline& script);

}  // namespace velmora_sim
