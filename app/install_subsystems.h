// The subsystems around the core announce themselves here, once per program
// start, on both builds: the tool catalogue, and those that follow. The
// program entry brings the hook library of its build.
#pragma once
#include "shared/hook_library.h"

namespace app {
void InstallSubsystems(shared::HookLibrary& hooks);
}
