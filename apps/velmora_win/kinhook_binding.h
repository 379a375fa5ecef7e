// The Windows program's binding to Kinhook.dll through its import table.
#pragma once
#include "shared/hook_library.h"

namespace velmora_win {

class KinhookDll final : public shared::HookLibrary {
 public:
  void InstallHooks() override;
  void RemoveHooks() override;
  std::uint32_t StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) override;
  void StopHiResTimer() override;
};

}  // namespace velmora_win
