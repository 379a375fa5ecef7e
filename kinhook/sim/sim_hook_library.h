// The hook library's exports on the simulated desktop: the same frame as
// Kinhook.dll, with the hooks and timers of the platform. The program entry
// (or a test) owns one and hands it to the main program.
#pragma once
#include <cstdint>

#include "platform/input_hooks.h"
#include "shared/hook_library.h"

namespace kinhook::sim {

class SimHookLibrary final : public shared::HookLibrary {
 public:
  void InstallHooks() override;
  // Takes away what this library installed itself, whatever the block says and
  // whether or not it still exists.
  void RemoveHooks() override;
  std::uint32_t StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) override;
  void StopHiResTimer() override;

 private:
  platform::HookHandle mouseHook_, keyboardHook_;
  std::uint32_t watchTimer_ = 0, hiResTimer_ = 0;
};

}  // namespace kinhook::sim
