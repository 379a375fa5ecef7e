#include "apps/common/install_subsystems.h"

#include "core/T_factory.h"
#include "kinhook/kinhook_select.h"

namespace velmora {

void InstallSubsystems() {
  core::InstallCatalogue();
  kinhook::UseHookLibrary();
}

}  // namespace velmora
