#include "core/hook_library.h"

namespace core {
namespace {

class NullHookLibrary final : public HookLibrary {
 public:
  void InstallHooks() override {}
  void RemoveHooks() override {}
  std::uint32_t StartHiResTimer(std::uint32_t, std::uint32_t, std::uint64_t) override { return 0; }
  void StopHiResTimer() override {}
};

NullHookLibrary nullLibrary;
HookLibrary* current = &nullLibrary;

}  // namespace

HookLibrary& Hooks() { return *current; }
void SetHookLibrary(HookLibrary* library) { current = library ? library : &nullLibrary; }

}  // namespace core
