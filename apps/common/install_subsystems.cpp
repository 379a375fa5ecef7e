#include "apps/common/install_subsystems.h"

#include "core/A_resrce.h"
#include "core/T_factory.h"
#include "kinhook/kinhook_select.h"
#include "platform/resources.h"
#include "core/f_form.h"

namespace velmora {

void InstallSubsystems() {
  core::InstallResources(platform::Resources());
  core::InstallCatalogue();
  core::InstallForms();
  kinhook::UseHookLibrary();
}

}  // namespace velmora
