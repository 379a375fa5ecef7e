// Helpers the recogniser files share: the per-call view of the block, wrap-safe
// ticks, button roles and the one way a report leaves the hooks.
#pragma once
#include "base/ticks.h"
#include "kinhook/d_trig_logic.h"

namespace kinhook::detail {

// Opens and maps the block for one call and lets it go at the end of it, so the
// block vanishes with the main program.
class CallView {
 public:
  explicit CallView(const Environment& env) : env_(env), view_(env.openBlock()) {}
  ~CallView() {
    if (view_.data) env_.closeBlock(view_);
  }
  CallView(const CallView&) = delete;
  CallView& operator=(const CallView&) = delete;
  shared::MouseHookSharedData* data() const { return view_.data; }

 private:
  const Environment& env_;
  BlockView view_;
};

using base::TickDiff;

constexpr int64_t Clamp(int64_t v, int64_t lo, int64_t hi) { return v < lo ? lo : (v > hi ? hi : v); }
constexpr int64_t Abs(int64_t v) { return v < 0 ? -v : v; }
constexpr int32_t Saturate32(int64_t v) { return static_cast<int32_t>(Clamp(v, INT32_MIN, INT32_MAX)); }

// GetAsyncKeyState reads the physical buttons: with swapped buttons the
// primary (logical left) button is the physical right one.
inline uint32_t PrimaryVk(const Environment& env) { return env.buttonsSwapped() ? shared::VkRButton : shared::VkLButton; }
inline uint32_t SecondaryVk(const Environment& env) { return env.buttonsSwapped() ? shared::VkLButton : shared::VkRButton; }

// The block names the window to report to, and anyone can write the block: only
// a window of the main program's control window class is told anything.
inline void Report(const Environment& env, const shared::MouseHookSharedData& d, uint32_t command, int32_t lParam) {
  int32_t window = d.ControlWindow;
  if (window != 0 && env.isControlWindow(window)) env.post(window, command, lParam);
}

inline bool Bound(const shared::MouseHookSharedData& d, int32_t code) { return AnyBound(d, code, code); }

// Counts presses and releases of one button as changes of its polled state.
// The recogniser's own button starts as pressed once: the press that called the
// hook counts as the first even if the button is already up at the first poll.
struct PressCounter {
  static PressCounter Pressed(uint32_t vk) { return PressCounter{vk, true, 1, 0}; }
  uint32_t vk = 0;
  bool down = false;
  int presses = 0, releases = 0;
  void Poll(const Environment& env) {
    bool now = env.buttonDown(vk);
    if (now && !down) ++presses;
    if (!now && down) ++releases;
    down = now;
  }
};

inline bool MovedFrom(shared::Point32 press, shared::Point32 c) {
  return Abs(static_cast<int64_t>(c.x) - press.x) > 10 || Abs(static_cast<int64_t>(c.y) - press.y) > 10;
}

// Recogniser results besides an event code.
inline constexpr int32_t Undecided = -1;
inline constexpr int32_t NotHandled = 0;

int32_t RecogniseRight(const Environment& env, shared::MouseHookSharedData& d, shared::Point32 press);
int32_t RecogniseMiddle(const Environment& env, shared::MouseHookSharedData& d, shared::Point32 press);
void TrackHotspot(shared::MouseHookSharedData& d, shared::Point32 p);
void TrackShake(const Environment& env, shared::MouseHookSharedData& d, shared::Point32 p);

}  // namespace kinhook::detail
