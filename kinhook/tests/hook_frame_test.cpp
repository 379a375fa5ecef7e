// The library's frame: the block opened per call, install and remove, the
// timers, the main program's writing of the block, and clocks at the wrap.
#include <gtest/gtest.h>

#include <cstring>

#include "core/A_prefs.h"
#include "core/F_main.h"
#include "core/hook_state.h"
#include "core/screen_metrics.h"
#include "input/a_trigger.h"
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
  EXPECT_FALSE(h.desk().MappingExists(globtr::SharedDataName));
  h.Run("mouse-down right\nwait 30\nmouse-up right\n");
  EXPECT_EQ(h.Delivered(), "204 205");
}

TEST(HookFrame, RemoveTakesAwayItsOwnHooksAndTheWatchTimerWithoutTheBlock) {
  HookDesk h;
  h.DropBlock();
  {
    platform::ScopedPlatform bind(h.main());
    core::Hooks().RemoveHooks();
  }
  auto hooks = h.desk().trace().Of("hook");
  EXPECT_EQ(hooks, (std::vector<std::string>{"installed mouse", "installed keyboard", "removed mouse",
                                             "removed keyboard"}));
  // A new block with a due hotspot: a watch timer still running would fire it.
  platform::ScopedPlatform bind(h.main());
  auto m = h.main().CreateMapping(globtr::SharedDataName, globtr::SharedDataSize).handle;
  auto* d = reinterpret_cast<globtr::MouseHookSharedData*>(h.main().MapView(m, globtr::SharedDataSize));
  d->EventBound[3090] = d->HotspotsEnabled = 1;
  d->PendingHotspot = 3090;
  h.desk().AdvanceBy(2000);
  EXPECT_EQ(d->FiredHotspot, 0);
  h.main().UnmapView(reinterpret_cast<std::uint8_t*>(d));
  h.main().CloseMapping(m);
}

TEST(HookFrame, InstallWithoutTheBlockInstallsNothing) {
  platform::sim::SimDesktop desk({});
  auto& p = desk.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind(p);
  kinhook::UseHookLibrary();
  core::Hooks().InstallHooks();
  EXPECT_TRUE(desk.trace().Of("hook").empty());
  core::Hooks().RemoveHooks();
  core::SetHookLibrary(nullptr);
}

TEST(HookFrame, HiResTimerPostsTickCommandsUntilStopped) {
  HookDesk h;
  platform::ScopedPlatform bind(h.main());
  std::uint64_t control = static_cast<std::uint64_t>(h.d->ControlWindow);
  EXPECT_NE(core::Hooks().StartHiResTimer(20, 0, control), 0u);
  h.desk().AdvanceBy(100);
  core::Hooks().StopHiResTimer();
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

TEST(UpdateHookState, WritesTheGoldenBlockFromPreferencesAndBindings) {
  platform::sim::SimDesktop desk({});
  auto& p = desk.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind(p);
  core::ResetCoreState();
  std::vector<std::uint8_t> block(globtr::SharedDataSize, 0xEE);
  core::HookData = reinterpret_cast<globtr::MouseHookSharedData*>(block.data());
  core::Prefs.HotspotHoldTime = 9000;  // clamps to 5000
  core::Prefs.HotspotCornerSize = 7;
  core::Prefs.ShakeSensitivity = 13;   // clamps to 10
  core::Prefs.GestureSensitivity = -2;
  core::Prefs.ForcePrevious = true;
  core::Prefs.GestureTrail = false;
  core::Prefs.HotspotsEnabled = false;
  core::ToolArea = {0, 0, 1280, 1024};
  core::ToolAreaWidth = 1280;
  core::ToolAreaHeight = 1024;
  core::VirtualScreen = {-1280, 0, 1280, 1024};
  for (int code : {3001, 3020, 3090, 3206, 3867}) {
    input::GetOrCreateTrigger(code);
    input::BindTool(code, core::MakeTool<core::TDummyTool>());
  }
  input::GetOrCreateTrigger(3002);  // a trigger without a tool binds nothing
  core::UpdateHookState(core::HookDialogOpen);
  const auto* d = core::HookData;

  struct Field {
    std::size_t offset;
    std::int64_t value;
    int size;
  } golden[] = {
      {16, 0xEE, 1},  {17, 1, 1},     {3922, 1, 1},    {3923, 0, 1},    {3936, 5000, 4},  {3940, 7, 4},
      {3944, 0, 4},   {3952, 1280, 4}, {3956, 1024, 4}, {3960, -1280, 4}, {3964, 0, 4},   {3968, 1280, 4},
      {3972, 1024, 4}, {3976, 640, 4}, {3980, 256, 4},  {3992, 1, 1},    {3993, 0, 1},    {3994, 1, 1},
      {3995, 1, 1},   {3996, 1, 1},    {4016, 230, 4},  {4020, 10, 4},   {4024, 500, 4},  {4028, 0, 1},
      {4029, 1, 1},   {52 + 0, 0, 1},  {52 + 3001, 1, 1}, {52 + 3002, 0, 1}, {52 + 3020, 1, 1},
      {52 + 3090, 1, 1}, {52 + 3206, 1, 1}, {52 + 3867, 1, 1}, {52 + 3100, 0, 1},
      // Fields the refresh leaves alone keep what they held.
      {0, static_cast<std::int32_t>(0xEEEEEEEE), 4}, {44, static_cast<std::int32_t>(0xEEEEEEEE), 4},
      {3984, static_cast<std::int32_t>(0xEEEEEEEE), 4}, {4053, 0xEE, 1},
  };
  for (const auto& f : golden) {
    std::int64_t v = f.size == 1 ? block[f.offset] : 0;
    if (f.size == 4) {
      std::int32_t x;
      std::memcpy(&x, &block[f.offset], 4);
      v = x;
    }
    EXPECT_EQ(v, f.value) << "offset " << f.offset;
  }
  for (int code = 3001; code <= 3867; ++code) ASSERT_LE(d->EventBound[code], 1) << code;
  EXPECT_EQ(core::Prefs.ShakeSensitivity, 10);
  EXPECT_EQ(core::Prefs.GestureSensitivity, 0);
  core::HookData = nullptr;
  input::DeleteAllTriggers();
}

}  // namespace
}  // namespace kinhook::test
