// Shake strokes, hotspot zones and the dwell the watch timer fires.
#include <gtest/gtest.h>

#include "kinhook/d_trig_internal.h"
#include "kinhook/tests/hook_desk.h"

namespace kinhook::test {
namespace {

std::string Strokes(const char* a, const char* b, int gap) {
  std::string s;
  for (int i = 0; i < 4; ++i) s += "wait " + std::to_string(gap) + "\nmouse-move " + (i % 2 ? b : a) + "\n";
  return s;
}

TEST(Shake, FourAlternatingStrokesWithinTheWindowThenQuiet) {
  struct Case {
    const char* name;
    std::string strokes;
    std::vector<Report> reports;
  } cases[] = {
      {"horizontal inside", Strokes("800 400", "500 400", 100), {{101, 3080}}},
      {"vertical inside", Strokes("500 700", "500 400", 100), {{101, 3081}}},
      {"horizontal outside", Strokes("800 400", "500 400", 300), {}},
      {"strokes too short", Strokes("700 400", "500 400", 100), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HookDesk h;
    h.Bind({3080, 3081});
    h.d->ShakeRefPos = {500, 400};
    h.Run("mouse-move 500 400\n" + c.strokes + "wait 300\nmouse-down left\nwait 30\nmouse-up left\nwait 300\nmouse-down middle\nwait 30\nmouse-up middle\n");
    EXPECT_EQ(h.Reports(), c.reports);
    // After a shake every mouse message is swallowed for 500 ms.
    EXPECT_EQ(h.Delivered(), c.reports.empty() ? "201 202 207 208" : "207 208");
  }
}

TEST(Shake, NeedsABindingAndTheSwitch) {
  for (int variant = 0; variant < 2; ++variant) {
    HookDesk h;
    if (variant == 0) h.Bind({3081});
    if (variant == 1) {
      h.Bind({3080});
      h.d->ShakeGesturesEnabled = 0;
    }
    h.d->ShakeRefPos = {500, 400};
    h.Run("mouse-move 500 400\n" + Strokes("800 400", "500 400", 100));
    // Either binding enables the look-out, and it reports what it saw.
    EXPECT_EQ(h.Reports().size(), variant == 0 ? 1u : 0u) << variant;
  }
}

using shared::MouseHookSharedData;

TEST(Hotspots, ZonePriorityAndBindings) {
  struct Case {
    shared::Rect32 screen;
    int x, y;
    std::vector<int> bound;
    int32_t pending;
  } cases[] = {
      {{0, 0, 1024, 768}, 2, 2, {3090, 3091, 3097}, 3090},
      {{0, 0, 1024, 768}, 2, 2, {3091, 3097}, 0},  // a corner is not a side
      {{0, 0, 1024, 768}, 5, 5, {3090}, 3090},     // zone bounds are inclusive
      {{0, 0, 1024, 768}, 6, 5, {3090}, 0},
      {{0, 0, 1024, 768}, 1022, 2, {3092}, 3092},
      {{0, 0, 1024, 768}, 1022, 766, {3094}, 3094},
      {{0, 0, 1024, 768}, 2, 766, {3096}, 3096},
      {{0, 0, 1024, 768}, 2, 400, {3090, 3096, 3097}, 3097},
      {{0, 0, 1024, 768}, 2, 150, {3097}, 0},  // above the middle half of the side
      {{0, 0, 1024, 768}, 1024, 400, {3093}, 3093},
      {{0, 0, 1024, 768}, 500, 0, {3091}, 3091},
      {{0, 0, 1024, 768}, 500, 768, {3095}, 3095},
      {{0, 0, 1024, 768}, 500, 400, {3090, 3091, 3092, 3093, 3094, 3095, 3096, 3097}, 0},
      // A second monitor left of and above the primary: the origin is negative.
      {{-1280, -256, 1024, 768}, -1278, -254, {3090}, 3090},
      {{-1280, -256, 1024, 768}, -1278, 250, {3097}, 3097},
      {{-1280, -256, 1024, 768}, 0, 0, {3090, 3097, 3091}, 0},
      {{-1280, -256, 1024, 768}, -100, -256, {3091}, 3091},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    MouseHookSharedData d{};
    d.VirtualScreenRect = c.screen;
    d.HotspotCornerSize = 5;
    d.SideInsetX = (c.screen.right - c.screen.left) / 4;
    d.SideInsetY = (c.screen.bottom - c.screen.top) / 4;
    for (int b : c.bound) d.EventBound[b] = 1;
    d.FiredHotspot = 3090;
    detail::TrackHotspot(d, {c.x, c.y});
    EXPECT_EQ(d.PendingHotspot, c.pending);
    // Only staying in the zone that fired keeps it from firing again.
    EXPECT_EQ(d.FiredHotspot, c.pending == 3090 ? 3090 : 0);
  }
}

TEST(Hotspots, GarbageGeometryStaysInRange) {
  MouseHookSharedData d{};
  d.VirtualScreenRect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  d.HotspotCornerSize = INT32_MAX;
  d.SideInsetX = INT32_MIN;
  d.SideInsetY = INT32_MAX;
  for (int b = 3090; b <= 3097; ++b) d.EventBound[b] = 1;
  detail::TrackHotspot(d, {INT32_MIN + 3, 0});
  EXPECT_EQ(d.PendingHotspot, 3097);
}

TEST(Hotspots, DwellFiresOnceAndRearmsAfterLeaving) {
  HookDesk h;
  h.Bind({3090});
  h.Run("mouse-move 2 2\nwait 1500\nmouse-move 3 3\nwait 3000\nmouse-move 500 400\nwait 200\nmouse-move 1 1\n",
        1500);
  EXPECT_EQ(h.Reports(), (std::vector<Report>{{101, 3090}, {101, 3090}}));
}

TEST(Hotspots, WatchTimerFiresOnlyBoundHotspotsWhenEnabled) {
  struct Case {
    const char* name;
    int32_t pending;
    bool bind, enabled;
  } cases[] = {{"bound", 3092, true, true},
               {"not a hotspot code", 3001, true, true},
               {"out of the block", 99999, false, true},
               {"not bound", 3092, false, true},
               {"switched off", 3092, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HookDesk h;
    if (c.bind && c.pending < 3868) h.d->EventBound[c.pending] = 1;
    h.d->HotspotsEnabled = c.enabled;
    h.d->PendingHotspot = c.pending;
    h.d->LastMouseActivity = h.desk().TickCount();
    h.Run("", 1200);
    bool fires = std::string(c.name) == "bound";
    EXPECT_EQ(h.Reports().size(), fires ? 1u : 0u);
    EXPECT_EQ(h.d->FiredHotspot, fires ? c.pending : 0);
  }
}

}  // namespace
}  // namespace kinhook::test
