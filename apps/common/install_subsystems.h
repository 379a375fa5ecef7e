// The subsystems around the core announce themselves here, once per program
// start, on both builds: the tool catalogue, and those that follow.
#pragma once

namespace velmora {
void InstallSubsystems();
}
