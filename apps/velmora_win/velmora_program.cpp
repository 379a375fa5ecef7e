// Velmora.exe: the main program with Kinhook.dll as its hook library and
// Remdev.dll as its remote-device library.
#include "app/program.h"
#include "apps/velmora_win/kinhook_binding.h"
#include "apps/velmora_win/program_entry.h"
#include "apps/velmora_win/remdev_binding.h"

namespace velmora_win {

int RunProgram() {
  KinhookDll hooks;
  RemdevDll remote;
  return app::VelmoraProgram(hooks, remote);
}

}  // namespace velmora_win
