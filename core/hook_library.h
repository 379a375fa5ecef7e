// The main program's view of the hook library's exports. The Windows build links
// Kinhook.dll; the native build links the same recognisers against the simulated
// desktop. A build without a hook library gets the null one, which installs nothing.
#pragma once
#include <cstdint>

namespace core {

class HookLibrary {
 public:
  virtual ~HookLibrary() = default;
  virtual void InstallHooks() = 0;
  virtual void RemoveHooks() = 0;
  virtual std::uint32_t StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) = 0;
  virtual void StopHiResTimer() = 0;
};

HookLibrary& Hooks();
void SetHookLibrary(HookLibrary* library);  // none restores the null library

}  // namespace core
