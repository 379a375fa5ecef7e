#include "app/install_subsystems.h"

#include "app/hook_library.h"
#include "catalogue/T_factory.h"
#include "forms/f_form.h"
#include "platform/resources.h"
#include "resources/A_resrce.h"

namespace app {

void InstallSubsystems(shared::HookLibrary& hooks) {
  resources::InstallResources(platform::Resources());
  catalogue::InstallCatalogue();
  forms::InstallForms();
  SetHookLibrary(&hooks);
}

}  // namespace app
