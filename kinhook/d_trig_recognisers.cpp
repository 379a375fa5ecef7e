// The right- and middle-button recognisers and the swipe phase. They poll the
// buttons inside the hook call for up to 500 ms, so the application under the
// pointer waits until they have decided what the press was.
#include "kinhook/d_trig_internal.h"

namespace kinhook::detail {
namespace {
using shared::MouseHookSharedData;
using shared::Point32;

// Every loop is bounded by the clock and by a count of polls, so a clock that
// stands still cannot hold an input thread for ever.
constexpr uint32_t MaxWindowPolls = 2 * RecogniserWindowMs / PollIntervalMs;
// A swipe lasts as long as the button is held; past this it is given up.
constexpr uint32_t SwipeLimitMs = 30000;
constexpr uint32_t MaxSwipePolls = 2 * SwipeLimitMs / PollIntervalMs;
constexpr uint32_t FixedSwipeMs = 1000;
constexpr int64_t MaxThreshold = 1 << 20;

struct Deadline {
  uint32_t due;
  bool Passed(const Environment& env) const { return TickDiff(env.tickCount(), due) >= 0; }
};

int32_t FollowingSwipe(const Environment& env, const MouseHookSharedData& d, Point32 press, uint32_t vk) {
  int64_t threshold = Clamp(d.SwipeMinDistance, 0, MaxThreshold);
  int32_t shown = shared::NoDirection, result = shared::NoDirection;
  Deadline limit{env.tickCount() + SwipeLimitMs};
  for (uint32_t polls = 0; polls < MaxSwipePolls && env.buttonDown(vk) && !limit.Passed(env); ++polls) {
    result = shared::SwipeDirection(press, env.cursorPos(), threshold);
    if (result != shared::NoDirection && result != shown) {
      shared::DrawSwipeArrow(env.invertLine, press, shown);
      shared::DrawSwipeArrow(env.invertLine, press, result);
      shown = result;
      // Once a direction shows, it follows the pointer closely.
      threshold = 1;
    }
    env.sleep(PollIntervalMs);
  }
  shared::DrawSwipeArrow(env.invertLine, press, shown);
  return result;
}

int32_t FixedSwipe(const Environment& env, const MouseHookSharedData& d, Point32 press, uint32_t vk) {
  int64_t threshold = Clamp(d.SwipeMinDistance, 0, MaxThreshold);
  int32_t found = shared::NoDirection;
  Deadline limit{env.tickCount() + FixedSwipeMs};
  for (uint32_t polls = 0; polls < 2 * FixedSwipeMs / PollIntervalMs && env.buttonDown(vk) && !limit.Passed(env);
       ++polls) {
    if (found == shared::NoDirection) {
      found = shared::SwipeDirection(press, env.cursorPos(), threshold);
      if (d.GestureTrail) shared::DrawSwipeArrow(env.invertLine, press, found);
    }
    env.sleep(PollIntervalMs);
  }
  if (d.GestureTrail) shared::DrawSwipeArrow(env.invertLine, press, found);
  return found;
}

int32_t SwipePhase(const Environment& env, const MouseHookSharedData& d, Point32 press, uint32_t vk) {
  int32_t dir = d.SwipeFollowMode ? FollowingSwipe(env, d, press, vk) : FixedSwipe(env, d, press, vk);
  return dir == shared::NoDirection ? NotHandled : dir;
}

}  // namespace

int32_t RecogniseRight(const Environment& env, MouseHookSharedData& d, Point32 press) {
  using namespace shared;
  bool anySwipe = AnyBound(d, EvSwipeUp, EvSwipeRangeLast);
  if (!AnyBound(d, EvHoldRight, EvClickRightClickLeft) && !anySwipe) return NotHandled;
  bool hold = Bound(d, EvHoldRight), dbl = Bound(d, EvDoubleClickRight), rl = Bound(d, EvClickRightClickLeft);
  bool clicks = d.MouseClicksEnabled != 0, swipes = d.RGesturesEnabled != 0 && anySwipe;
  PressCounter own = PressCounter::Pressed(SecondaryVk(env)), primary{PrimaryVk(env)};
  Deadline deadline{env.tickCount() + RecogniserWindowMs};
  int32_t result = Undecided;
  for (uint32_t polls = 0; result == Undecided && polls < MaxWindowPolls && !deadline.Passed(env); ++polls) {
    own.Poll(env);
    primary.Poll(env);
    if (MovedFrom(press, env.cursorPos())) {
      result = swipes ? SwipePhase(env, d, press, own.vk) : NotHandled;
    } else if (clicks) {
      if (rl && own.presses == 1 && own.releases == 1 && primary.presses == 1)
        result = EvClickRightClickLeft;
      else if (dbl && own.presses == 2)
        result = EvDoubleClickRight;
      else if (!dbl && !rl && own.releases == 1)
        result = NotHandled;
    }
    if (!clicks && own.releases > 0) result = NotHandled;
    if (result == Undecided) env.sleep(PollIntervalMs);
  }
  if (result != Undecided) return result;
  return clicks && hold && own.presses == 1 && own.releases == 0 ? EvHoldRight : NotHandled;
}

int32_t RecogniseMiddle(const Environment& env, MouseHookSharedData& d, Point32 press) {
  using namespace shared;
  if (!AnyBound(d, EvClickMiddle, EvClickMiddleClickLeft)) return NotHandled;
  bool click = Bound(d, EvClickMiddle), hold = Bound(d, EvHoldMiddle);
  bool dbl = Bound(d, EvDoubleClickMiddle), ml = Bound(d, EvClickMiddleClickLeft);
  PressCounter own = PressCounter::Pressed(VkMButton), primary{PrimaryVk(env)};
  Deadline deadline{env.tickCount() + RecogniserWindowMs};
  int32_t result = Undecided;
  for (uint32_t polls = 0; result == Undecided && polls < MaxWindowPolls && !deadline.Passed(env); ++polls) {
    own.Poll(env);
    primary.Poll(env);
    if (ml && own.presses == 1 && own.releases == 1 && primary.presses == 1)
      result = EvClickMiddleClickLeft;
    else if (dbl && own.presses == 2)
      result = EvDoubleClickMiddle;
    else if (click && !dbl && !ml && own.releases == 1)
      result = EvClickMiddle;
    else if (click && !hold && !dbl && !ml && own.presses == 1)
      result = EvClickMiddle;  // nothing else to wait for: decided at the press
    else if (!dbl && !ml && own.releases == 1)
      result = NotHandled;
    if (MovedFrom(press, env.cursorPos())) result = NotHandled;
    if (result == Undecided) env.sleep(PollIntervalMs);
  }
  if (result != Undecided) return result;
  if (click && own.presses == 1 && own.releases == 1) return EvClickMiddle;
  if (hold && own.presses == 1 && own.releases == 0) return EvHoldMiddle;
  return NotHandled;
}

}  // namespace kinhook::detail
