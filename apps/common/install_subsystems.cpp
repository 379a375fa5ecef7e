#include "apps/common/install_subsystems.h"

#include "core/T_factory.h"
#include "core/f_form.h"

namespace velmora {

void InstallSubsystems() {
  core::InstallCatalogue();
  core::InstallForms();
}

}  // namespace velmora
