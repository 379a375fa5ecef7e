// The hook library the program entry chose for this build. Without one the
// null library stands in: it installs nothing and starts no timer.
#pragma once
#include "shared/hook_library.h"

namespace app {

shared::HookLibrary& Hooks();
void SetHookLibrary(shared::HookLibrary* library);  // none restores the null library

}  // namespace app
