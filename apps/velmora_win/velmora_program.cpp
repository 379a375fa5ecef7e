// Velmora.exe: the main program with Kinhook.dll as its hook library.
#include "app/program.h"
#include "apps/velmora_win/kinhook_binding.h"
#include "apps/velmora_win/program_entry.h"

namespace velmora_win {

int RunProgram() {
  KinhookDll hooks;
  return app::VelmoraProgram(hooks);
}

}  // namespace velmora_win
