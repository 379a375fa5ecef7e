#include "apps/velmora_win/kinhook_binding.h"

#include "kinhook/kinhook_exports.h"

namespace velmora_win {

void KinhookDll::InstallHooks() { DLL_InstallHooks(); }
void KinhookDll::RemoveHooks() { DLL_RemoveHooks(); }

std::uint32_t KinhookDll::StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) {
  // Window handles are significant in their low 32 bits on every Windows.
  return DLL_StartHiResTimer(interval, resolution, static_cast<std::uint32_t>(window));
}

void KinhookDll::StopHiResTimer() { DLL_StopHiResTimer(); }

}  // namespace velmora_win
