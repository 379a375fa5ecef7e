// What the Windows entry runs once the real platform is bound: Velmora.exe's
// program, or the harness's stand-in.
#pragma once

namespace velmora_win {
int RunProgram();  // the process exit code
}
