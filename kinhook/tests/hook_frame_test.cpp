// The library's frame: the block opened per call, install and remove, the
// timers, the main program's writing of the block, and clocks at the wrap.
#include <gtest/gtest.h>

#include <cstring>

#include "kinhook/d_trig_logic.h"
#include "kinhook/tests/hook_desk.h"

namespace kinhook::test {
namespace {

TEST(HookFrame, HooksHoldNoViewOfTheBlockBetweenCalls) {
  HookDesk h;
  h.Bind({3001});
  h.Run("mouse-move 500 400\nwait 10\nmouse-down right\nwait 900\nmouse-up right\n");
  ASSERT_EQ(h.Reports().size(), 1u);
  h.DropBlock();
  // Gone at once: no hook call or watch-timer tick kept it open.
  EXPECT_FALSE(h.desk().MappingExists(shared::SharedDataName));
  h.Run("mouse-down right\nwait 30\nmouse-up right\n");
  EXPECT_EQ(h.Delivered(), "204 205");
}

TEST(HookFrame, RemoveTakesAwayItsOwnHooksAndTheWatchTimerWithoutTheBlock) {
  HookDesk h;
  h.DropBlock();
  {
    platform::ScopedPlatform bind(h.Main());
    h.hooks().RemoveHooks();
  }
  auto hooks = h.desk().trace().Of("hook");
  EXPECT_EQ(hooks, (std::vector<std::string>{"installed mouse", "installed keyboard", "removed mouse",
                                             "removed keyboard"}));
  // A new block with a due hotspot: a watch timer still running would fire it.
  platform::ScopedPlatform bind(h.Main());
  auto m = h.Main().CreateMapping(shared::SharedDataName, shared::SharedDataSize).handle;
  auto* d = reinterpret_cast<shared::MouseHookSharedData*>(h.Main().MapView(m, shared::SharedDataSize));
  d->EventBound[3090] = d->HotspotsEnabled = 1;
  d->PendingHotspot = 3090;
  h.desk().AdvanceBy(2000);
  EXPECT_EQ(d->FiredHotspot, 0);
  h.Main().UnmapView(reinterpret_cast<std::uint8_t*>(d));
  h.Main().CloseMapping(m);
}

TEST(HookFrame, InstallWithoutTheBlockInstallsNothing) {
  platform::sim::SimDesktop desk({});
  auto& p = desk.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind(p);
  kinhook::sim::SimHookLibrary hooks;
  hooks.InstallHooks();
  EXPECT_TRUE(desk.trace().Of("hook").empty());
  hooks.RemoveHooks();
}

TEST(HookFrame, HiResTimerPostsTickCommandsUntilStopped) {
  HookDesk h;
  platform::ScopedPlatform bind(h.Main());
  std::uint64_t control = static_cast<std::uint64_t>(h.d->ControlWindow);
  EXPECT_NE(h.hooks().StartHiResTimer(20, 0, control), 0u);
  h.desk().AdvanceBy(100);
  h.hooks().StopHiResTimer();
  h.desk().AdvanceBy(100);
  EXPECT_EQ(h.Reports(), std::vector<Report>(5, Report{13, 0}));
  EXPECT_EQ(HiResResolutionFor(10, 0), 1u);
  EXPECT_EQ(HiResResolutionFor(11, 0), 2u);
  EXPECT_EQ(HiResResolutionFor(30, 0), 4u);
  EXPECT_EQ(HiResResolutionFor(50, 0), 5u);
  EXPECT_EQ(HiResResolutionFor(51, 0), 10u);
  EXPECT_EQ(HiResResolutionFor(51, 7), 7u);
}

// The clock starts just before the 32-bit wrap (and before the sign flip of a
// difference from a fresh block's zeros): every recogniser still times right.
TEST(HookFrame, ClocksNearTheWrap) {
  for (platform::Tick start : {0xFFFFFE00u, 0x7FFFFF00u, 0x90000000u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(start);
    platform::sim::DesktopOptions o;
    o.startTick = start;
    {
      HookDesk h(o);
      h.Bind({3001});
      h.Run("mouse-move 500 400\nwait 10\nmouse-down right\nwait 900\nmouse-up right\nwait 100\nmouse-down left\nwait 30\nmouse-up left\n");
      EXPECT_EQ(h.Reports(), (std::vector<Report>{{102, 3001}}));
      EXPECT_EQ(h.Delivered(), "201 202");
    }
    {
      HookDesk h(o);
      h.Bind({3081, 3090});
      h.d->ShakeRefPos = {500, 400};
      // One long stroke on a fresh block, then a dwell in the corner.
      h.Run("mouse-move 500 400\nwait 10\nmouse-move 500 700\nwait 10\nmouse-move 2 2\n", 1300);
      EXPECT_EQ(h.Reports(), (std::vector<Report>{{101, 3090}}));
    }
  }
}

}  // namespace
}  // namespace kinhook::test
