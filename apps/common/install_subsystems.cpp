#include "apps/common/install_subsystems.h"

#include "core/A_resrce.h"
#include "core/T_factory.h"
#include "platform/resources.h"

namespace velmora {

void InstallSubsystems() {
  core::InstallResources(platform::Resources());
  core::InstallCatalogue();
}

}  // namespace velmora
