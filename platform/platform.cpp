#include "platform/platform.h"

#include <cstdlib>

namespace platform {
namespace {
Platform* current = nullptr;

class NoInputHooks final : public InputHooks {
 public:
  HookHandle InstallMouseHook(MouseHookProcedure) override { return {}; }
  HookHandle InstallKeyboardHook(KeyboardHookProcedure) override { return {}; }
  bool RemoveHook(HookHandle) override { return false; }
  bool ButtonDown(std::uint32_t) override { return false; }
  bool KeyDown(std::uint32_t) override { return false; }
  bool ButtonsSwapped() override { return false; }
  void SwapButtons(bool) override {}
  void InvertDesktopLine(Point, Point) override {}
};

class NoPeriodicTimers final : public PeriodicTimers {
 public:
  std::uint32_t Start(std::uint32_t, std::uint32_t, PeriodicCallback, void*) override { return 0; }
  void Stop(std::uint32_t) override {}
};
}  // namespace

InputHooks& Platform::inputHooks() {
  static NoInputHooks none;
  return none;
}

PeriodicTimers& Platform::periodicTimers() {
  static NoPeriodicTimers none;
  return none;
}

Platform& os() {
  if (!current) std::abort();  // a program entry or test forgot to bind its platform
  return *current;
}

bool HasPlatform() { return current != nullptr; }

ScopedPlatform::ScopedPlatform(Platform& p) : previous_(current) { current = &p; }
ScopedPlatform::~ScopedPlatform() { current = previous_; }

}  // namespace platform
