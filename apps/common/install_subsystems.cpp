#include "apps/common/install_subsystems.h"

#include "core/A_resrce.h"
#include "core/T_factory.h"
#include "kinhook/kinhook_select.h"
#include "platform/resources.h"

namespace velmora {

void InstallSubsystems() {
  core::InstallResources(platform::Resources());
  core::InstallCatalogue();
  kinhook::UseHookLibrary();
}

}  // namespace velmora
