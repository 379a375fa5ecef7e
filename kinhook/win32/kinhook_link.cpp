// The main program's binding to Kinhook.dll through its import table.
#include "core/hook_library.h"
#include "kinhook/kinhook_exports.h"
#include "kinhook/kinhook_select.h"

namespace kinhook {
namespace {

class DllHookLibrary final : public core::HookLibrary {
 public:
  void InstallHooks() override { DLL_InstallHooks(); }
  void RemoveHooks() override { DLL_RemoveHooks(); }
  std::uint32_t StartHiResTimer(std::uint32_t interval, std::uint32_t resolution, std::uint64_t window) override {
    // Window handles are significant in their low 32 bits on every Windows.
    return DLL_StartHiResTimer(interval, resolution, static_cast<std::uint32_t>(window));
  }
  void StopHiResTimer() override { DLL_StopHiResTimer(); }
};

DllHookLibrary library;

}  // namespace

void UseHookLibrary() { core::SetHookLibrary(&library); }

}  // namespace kinhook
