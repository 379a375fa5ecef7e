// The script commands that reach into the main program on the simulated
// desktop (start it, load and save profiles, fire events, list triggers).
#pragma once
#include <memory>

#include "kinhook/sim/sim_hook_library.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_script.h"
#include "remdev/sim/sim_remote_library.h"

namespace velmora_sim {

// What velmora-sim keeps of the main program it runs: its hook library, its
// remote-device library (made with the desktop), and the simulated process of
// the first copy while it runs (-1 otherwise).
struct MainProgram {
  kinhook::sim::SimHookLibrary hooks;
  std::unique_ptr<remdev::sim::SimRemoteLibrary> remote;
  int process = -1;
};

// Registers Velmora.exe with the desktop and the program's commands with the script.
void InstallProgram(platform::sim::SimDesktop& desktop, platform::sim::ScriptTimeline& script, MainProgram& program);
// Runs the script from its start; returns the main program's exit code.
int RunScript(platform::sim::SimDesktop& desktop, platform::sim::ScriptTimeline& script);

}  // namespace velmora_sim
