#include "apps/common/install_subsystems.h"

#include "core/T_factory.h"

namespace velmora {

void InstallSubsystems() { core::InstallCatalogue(); }

}  // namespace velmora
