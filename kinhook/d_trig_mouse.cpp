// MouseProc's steps, in the order that decides: capture of everything, quiet
// time, the toolbar rectangle, the one-click swap, pending releases, capture and
// cursor lock, pass-through, then activity, hotspots, shake and the recognisers.
#include "kinhook/d_trig_internal.h"

namespace kinhook {
namespace {
using namespace detail;
using shared::MouseHookSharedData;
using shared::Point32;

bool IsMove(uint32_t m) { return m == wm::MouseMove || m == wm::NcMouseMove; }
bool IsButtonUp(uint32_t m) {
  return m == wm::LButtonUp || m == wm::NcLButtonUp || m == wm::RButtonUp || m == wm::NcRButtonUp ||
         m == wm::MButtonUp || m == wm::NcMButtonUp;
}

// Down, double-click and up messages of one button, client and non-client.
struct ButtonMessages {
  uint32_t down, dbl, up;
  uint32_t ncDown, ncDbl, ncUp;
  bool IsDown(uint32_t m) const { return m == down || m == dbl || m == ncDown || m == ncDbl; }
  bool IsUp(uint32_t m) const { return m == up || m == ncUp; }
};
constexpr ButtonMessages Left{wm::LButtonDown, wm::LButtonDblClk, wm::LButtonUp,
                              wm::NcLButtonDown, wm::NcLButtonDblClk, wm::NcLButtonUp};
constexpr ButtonMessages Right{wm::RButtonDown, wm::RButtonDblClk, wm::RButtonUp,
                               wm::NcRButtonDown, wm::NcRButtonDblClk, wm::NcRButtonUp};
constexpr ButtonMessages Middle{wm::MButtonDown, wm::MButtonDblClk, wm::MButtonUp,
                                wm::NcMButtonDown, wm::NcMButtonDblClk, wm::NcMButtonUp};

// A press of a button clears its pending swallow; its next release is eaten
// while the flag is still set. Returns true when the message is swallowed.
bool SwallowPendingUp(const ButtonMessages& b, uint8_t& flag, uint32_t m) {
  if (b.IsDown(m)) {
    flag = 0;
    return false;
  }
  if (b.IsUp(m) && flag) {
    flag = 0;
    return true;
  }
  return false;
}

bool OutsideToolbarRect(const MouseHookSharedData& d, Point32 p) {
  shared::Rect32 r = d.ToolbarRect;
  if (r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0) return false;
  return p.x < r.left || p.x > r.right || p.y < r.top || p.y > r.bottom;
}

Verdict Captured(const Environment& env, MouseHookSharedData& d, uint32_t m, Point32 p) {
  if (m == wm::MouseWheel) return PassOn;
  if (IsMove(m)) {
    if (d.CursorLocked) {
      Point32 lock = d.LockPoint;
      int32_t dx = Saturate32(static_cast<int64_t>(lock.x) - p.x);
      int32_t dy = Saturate32(static_cast<int64_t>(lock.y) - p.y);
      if (dx != 0 || dy != 0) {
        if (dx != 0) Report(env, d, shared::CmdLockedMoveX, dx);
        if (dy != 0) Report(env, d, shared::CmdLockedMoveY, dy);
        env.setCursorPos(lock);
      }
    }
    return Swallow;
  }
  if (IsButtonUp(m)) Report(env, d, shared::CmdEndActiveTool, 0);
  return Swallow;
}

void ReportRecognised(const Environment& env, MouseHookSharedData& d, int32_t event, bool rightButton) {
  d.SwallowLeftUp = 1;
  d.SwallowMiddleUp = 1;
  if (rightButton) d.SwallowRightUp = 1;
  d.QuietUntil = env.tickCount() + 250;
  Report(env, d, shared::CmdMouseEvent, event);
}

bool CountsAsActivity(uint32_t m) {
  return (m >= wm::NcLButtonDown && m <= wm::NcMButtonDblClk) || (m >= wm::LButtonDown && m <= wm::MouseWheel);
}

Verdict Steps(const Environment& env, MouseHookSharedData& d, int32_t code, uint32_t m, Point32 p) {
  uint32_t now = env.tickCount();
  // 0 is the main program's "none": near the wrap of the clock it would
  // otherwise look like a time just ahead.
  uint32_t quiet = d.QuietUntil;
  int32_t quietAhead = TickDiff(quiet, now);
  if (quiet != 0 && quietAhead > 0 && quietAhead <= QuietHorizonMs) return Swallow;

  if (OutsideToolbarRect(d, p)) Report(env, d, shared::CmdLeftToolbar, 0);

  if (d.SwapPending && (Left.IsUp(m) || Right.IsUp(m))) {
    env.restoreButtons();
    d.SwapPending = 0;
  }

  if (SwallowPendingUp(Left, d.SwallowLeftUp, m)) return Swallow;
  if (SwallowPendingUp(Right, d.SwallowRightUp, m)) return Swallow;
  if (SwallowPendingUp(Middle, d.SwallowMiddleUp, m)) return Swallow;

  if (d.DirectInputActive || d.CursorLocked) return Captured(env, d, m, p);
  if (d.ToolActive || d.DialogOpen) return PassOn;
  if (env.overToolbar(p)) return Deliver;
  if (d.PrimaryUp == 0) return PassOn;

  Point32 last = d.LastMousePos;
  if ((IsMove(m) && (p.x != last.x || p.y != last.y)) || CountsAsActivity(m)) d.LastMouseActivity = now;

  if (d.HotspotsEnabled) TrackHotspot(d, p);
  if (d.ShakeGesturesEnabled && IsMove(m) && AnyBound(d, shared::EvShakeHorizontal, shared::EvShakeVertical))
    TrackShake(env, d, p);

  if (d.MouseClicksEnabled || d.RGesturesEnabled) {
    int32_t event = NotHandled;
    bool right = m == wm::RButtonDown || m == wm::NcRButtonDown;
    bool middle = m == wm::MButtonDown || m == wm::NcMButtonDown;
    if (right) event = RecogniseRight(env, d, p);
    if (middle && d.MouseClicksEnabled) event = RecogniseMiddle(env, d, p);
    if (event > 0) {
      ReportRecognised(env, d, event, right);
      return Swallow;
    }
  }
  return PassOn;
}

}  // namespace

Verdict MouseStep(const Environment& env, int32_t code, uint32_t message, Point32 pt) {
  CallView view(env);
  MouseHookSharedData* d = view.data();
  if (!d) return PassOn;
  if (d->SwallowAllMouse) return Swallow;
  if (code < 0 || code == HcNoRemove) return PassOn;
  Verdict v = Steps(env, *d, code, message, pt);
  d->LastMousePos = pt;
  return v;
}

bool AnyBound(const MouseHookSharedData& d, int32_t first, int32_t last) {
  if (first < 0) first = 0;
  if (last > shared::EventBoundCount - 1) last = shared::EventBoundCount - 1;
  for (int32_t c = first; c <= last; ++c)
    if (d.EventBound[c] == 1) return true;
  return false;
}

}  // namespace kinhook
