// The recognisers' environment on the simulated desktop: every call goes to the
// platform of the process the hook runs in.
#pragma once
#include "kinhook/d_trig_logic.h"
#include "platform/input_hooks.h"

namespace kinhook::sim {

const Environment& SimEnvironment();
platform::HookVerdict SimMouseProc(int code, const platform::MouseHookInput& input);
platform::HookVerdict SimKeyboardProc(int code, std::uint32_t virtualKey, std::uint32_t keyFlags);
void SimWatchTimer(void* context);

}  // namespace kinhook::sim
