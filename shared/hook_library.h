// The main program's view of the hook library's exports. The Windows program
// binds Kinhook.dll through its import table; the native build links the same
// recognisers against the simulated desktop (kinhook/sim).
#pragma once
#include <cstdint>

namespace shared {

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;
  virtual void InstallHooks() = 0;
  virtual void RemoveHooks() = 0;
  virtual std::uint32_t StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) = 0;
  virtual void StopHiResTimer() = 0;
};

}  // namespace shared
