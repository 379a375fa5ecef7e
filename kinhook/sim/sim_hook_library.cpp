#include "kinhook/sim/sim_hook_library.h"

#include "kinhook/sim/sim_environment.h"
#include "platform/platform.h"

namespace kinhook::sim {
namespace {

void HiResTick(void* window) {
  platform::os().windows().Post(platform::WindowHandle{reinterpret_cast<std::uintptr_t>(window)},
                                {shared::InternalCommand, shared::CmdHiResTick, 0});
}

}  // namespace

void SimHookLibrary::InstallHooks() {
  auto& hooks = platform::os().inputHooks();
  BlockView view = SimEnvironment().openBlock();
  if (!view.data) return;  // no block: no hooks and no watch timer
  mouseHook_ = hooks.InstallMouseHook(SimMouseProc);
  keyboardHook_ = hooks.InstallKeyboardHook(SimKeyboardProc);
  view.data->MouseHook = static_cast<int32_t>(mouseHook_.value);
  view.data->KeyboardHook = static_cast<int32_t>(keyboardHook_.value);
  view.data->Reserved4056 = 0;
  watchTimer_ = platform::os().periodicTimers().Start(100, 30, SimWatchTimer, nullptr);
  SimEnvironment().closeBlock(view);
}

void SimHookLibrary::RemoveHooks() {
  auto& hooks = platform::os().inputHooks();
  if (mouseHook_) hooks.RemoveHook(mouseHook_);
  if (keyboardHook_) hooks.RemoveHook(keyboardHook_);
  mouseHook_ = keyboardHook_ = {};
  if (watchTimer_) platform::os().periodicTimers().Stop(watchTimer_);
  watchTimer_ = 0;
}

std::uint32_t SimHookLibrary::StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) {
  StopHiResTimer();
  hiResTimer_ = platform::os().periodicTimers().Start(interval, HiResResolutionFor(interval, resolution), HiResTick,
                                                      reinterpret_cast<void*>(static_cast<std::uintptr_t>(window)));
  return hiResTimer_;
}

void SimHookLibrary::StopHiResTimer() {
  if (hiResTimer_) platform::os().periodicTimers().Stop(hiResTimer_);
  hiResTimer_ = 0;
}

}  // namespace kinhook::sim
