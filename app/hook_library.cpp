#include "app/hook_library.h"

namespace app {
namespace {

class NullHookLibrary final : public shared::HookLibrary {
 public:
  void InstallHooks() override {}
  void RemoveHooks() override {}
  std::uint32_t StartHiResTimer(std::uint32_t, std::uint32_t, std::uint64_t) override { return 0; }
  void StopHiResTimer() override {}
};

NullHookLibrary nullLibrary;
shared::HookLibrary* current = &nullLibrary;

}  // namespace

shared::HookLibrary& Hooks() { return *current; }
void SetHookLibrary(shared::HookLibrary* library) { current = library ? library : &nullLibrary; }

}  // namespace app
