// KeyboardProc's work, the watch timer's and the choice of a timer resolution.
#include "kinhook/d_trig_internal.h"

namespace kinhook {
using namespace detail;
using shared::MouseHookSharedData;

Verdict KeyboardStep(const Environment& env, int32_t code, uint32_t virtualKey, uint32_t keyFlags) {
  CallView view(env);
  MouseHookSharedData* d = view.data();
  if (!d) return PassOn;
  if (code < 0 || code == HcNoRemove) return PassOn;
  // Bit 30: the key was down before; bit 31: it is going up. Neither: a fresh press.
  bool fresh = (keyFlags & 0xC0000000u) == 0;
  if (fresh && virtualKey == shared::VkEscape) Report(env, *d, shared::CmdEscape, 0);
  shared::Modifiers m;
  m.win = env.keyDown(shared::VkLWin);
  m.shift = env.keyDown(shared::VkShift);
  m.ctrl = env.keyDown(shared::VkControl);
  m.alt = env.keyDown(shared::VkMenu);
  int32_t event = shared::KeystrokeCode(virtualKey, m);
  if (!d->KeystrokesEnabled) return PassOn;
  if (fresh && event != 0 && Bound(*d, event)) {
    d->LastSwallowedKey = static_cast<int32_t>(virtualKey);
    Report(env, *d, shared::CmdKeystroke, event);
    return Swallow;
  }
  // The repeats and the release of the key that made the event go with it.
  if (!fresh && static_cast<int32_t>(virtualKey) == d->LastSwallowedKey) return Swallow;
  d->LastSwallowedKey = shared::NoSwallowedKey;
  return PassOn;
}

void WatchTimerStep(const Environment& env) {
  CallView view(env);
  MouseHookSharedData* d = view.data();
  if (!d) return;
  d->PrimaryUp = env.buttonDown(PrimaryVk(env)) ? 0 : 1;
  d->SecondaryUp = env.buttonDown(SecondaryVk(env)) ? 0 : 1;
  d->MiddleUp = env.buttonDown(shared::VkMButton) ? 0 : 1;
  int32_t pending = d->PendingHotspot;
  if (pending == 0 || pending == d->FiredHotspot) return;
  int64_t hold = Clamp(d->HotspotHoldTime, 0, 5000);
  if (TickDiff(env.tickCount(), d->LastMouseActivity) <= hold) return;
  // Only a zone the hooks could have chosen fires: a bound hotspot, with
  // hotspots switched on.
  if (!shared::IsHotspotCode(pending) || !Bound(*d, pending) || !d->HotspotsEnabled) return;
  Report(env, *d, shared::CmdHotspotOrShake, pending);
  d->FiredHotspot = pending;
  d->PendingHotspot = 0;
}

uint32_t HiResResolutionFor(uint32_t interval, uint32_t resolution) {
  if (resolution != 0) return resolution;
  if (interval <= 10) return 1;
  if (interval <= 15) return 2;
  if (interval <= 20) return 3;
  if (interval <= 30) return 4;
  if (interval <= 50) return 5;
  return 10;
}

}  // namespace kinhook
