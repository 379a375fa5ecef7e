// The program entry calls this to link the main program to the hook library of
// its build: Kinhook.dll on Windows, the same recognisers on the simulated
// desktop in the native build.
#pragma once

namespace kinhook {
void UseHookLibrary();
}
