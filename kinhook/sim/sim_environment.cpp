#include "kinhook/sim/sim_environment.h"

#include <string>

#include "base/strings.h"
#include "platform/platform.h"

namespace kinhook::sim {
namespace {
using shared::Point32;

bool SameClass(const std::string& cls, const char* want) { return base::SameText(cls, want); }

platform::WindowHandle AsWindow(int32_t h) { return platform::WindowHandle{static_cast<std::uint32_t>(h)}; }

uint32_t TickCount() { return platform::os().clock().TickCount(); }
bool ButtonDown(uint32_t vk) { return platform::os().inputHooks().ButtonDown(vk); }
bool KeyDown(uint32_t vk) { return platform::os().inputHooks().KeyDown(vk); }
bool ButtonsSwapped() { return platform::os().inputHooks().ButtonsSwapped(); }
void RestoreButtons() { platform::os().inputHooks().SwapButtons(false); }
Point32 CursorPos() {
  platform::Point p = platform::os().screen().CursorPos();
  return {p.x, p.y};
}
void SetCursorPos(Point32 p) { platform::os().screen().SetCursorPos({p.x, p.y}); }
void Sleep(uint32_t ms) { platform::os().clock().Sleep(ms); }
bool IsControlWindow(int32_t h) {
  auto& w = platform::os().windows();
  return w.IsWindow(AsWindow(h)) && SameClass(w.ClassOf(AsWindow(h)), "TMainForm");
}
void Post(int32_t window, uint32_t code, int32_t lParam) {
  platform::os().windows().Post(AsWindow(window), {shared::InternalCommand, code, lParam});
}
bool OverToolbar(Point32 p) {
  auto& w = platform::os().windows();
  return SameClass(w.ClassOf(w.TopLevelAt({p.x, p.y})), "TTABBAR");
}
void InvertLine(Point32 from, Point32 to) {
  platform::os().inputHooks().InvertDesktopLine({from.x, from.y}, {to.x, to.y});
}
BlockView OpenBlock() {
  auto& shm = platform::os().sharedMemory();
  platform::MappingHandle h = shm.OpenMapping(shared::SharedDataName);
  if (!h) return {nullptr, 0};
  std::uint8_t* view = shm.MapView(h, shared::SharedDataSize);
  if (!view) {
    shm.CloseMapping(h);
    return {nullptr, 0};
  }
  return {reinterpret_cast<shared::MouseHookSharedData*>(view), static_cast<uintptr_t>(h.value)};
}
void CloseBlock(BlockView v) {
  auto& shm = platform::os().sharedMemory();
  shm.UnmapView(reinterpret_cast<std::uint8_t*>(v.data));
  shm.CloseMapping(platform::MappingHandle{v.token});
}

constexpr Environment environment{TickCount,  ButtonDown,  KeyDown, ButtonsSwapped, RestoreButtons,
                                  CursorPos,  SetCursorPos, Sleep,  IsControlWindow, Post,
                                  OverToolbar, InvertLine,  OpenBlock, CloseBlock};

platform::HookVerdict ToPlatform(Verdict v) {
  return v == Swallow ? platform::HookVerdict::Swallow
                      : v == Deliver ? platform::HookVerdict::Deliver : platform::HookVerdict::PassOn;
}
}  // namespace

const Environment& SimEnvironment() { return environment; }

platform::HookVerdict SimMouseProc(int code, const platform::MouseHookInput& input) {
  return ToPlatform(MouseStep(environment, code, input.message, {input.pt.x, input.pt.y}));
}

platform::HookVerdict SimKeyboardProc(int code, std::uint32_t virtualKey, std::uint32_t keyFlags) {
  return ToPlatform(KeyboardStep(environment, code, virtualKey, keyFlags));
}

void SimWatchTimer(void*) { WatchTimerStep(environment); }

}  // namespace kinhook::sim
