// Velmora.exe: the main program with Kinhook.dll as its hook library.
#include "app/F_main.h"
#include "app/install_subsystems.h"
#include "apps/velmora_win/kinhook_binding.h"
#include "apps/velmora_win/program_entry.h"

namespace velmora_win {

int RunProgram() {
  KinhookDll hooks;
  app::InstallSubsystems(hooks);
  return app::VelmoraProgram();
}

}  // namespace velmora_win
