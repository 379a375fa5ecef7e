#include "app/hook_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/F_main.h"
#include "app/app_state.h"
#include "app/program.h"
#include "test_support/sim_fixture.h"
#include "platform/sim/sim_desktop.h"
#include "platform/sim/sim_process.h"
#include "session/A_prefs.h"
#include "session/screen_metrics.h"
#include "tool/T_tool.h"
#include "triggers/a_trigger.h"

namespace app {
namespace {

TEST(UpdateHookState, WritesTheGoldenBlockFromPreferencesAndBindings) {
  platform::sim::SimDesktop desk({});
  auto& p = desk.CreateProcess("Velmora.exe", {});
  platform::ScopedPlatform bind(p);
  test_support::NoHookLibrary hooks;
  app::Program program(hooks, nullptr);
  std::vector<std::uint8_t> block(shared::SharedDataSize, 0xEE);
  app::State().hookData = reinterpret_cast<shared::MouseHookSharedData*>(block.data());
  session::Prefs().HotspotHoldTime = 9000;  // clamps to 5000
  session::Prefs().HotspotCornerSize = 7;
  session::Prefs().ShakeSensitivity = 13;   // clamps to 10
  session::Prefs().GestureSensitivity = -2;
  session::Prefs().ForcePrevious = true;
  session::Prefs().GestureTrail = false;
  session::Prefs().HotspotsEnabled = false;
  session::Screens().ToolArea = {0, 0, 1280, 1024};
  session::Screens().ToolAreaWidth = 1280;
  session::Screens().ToolAreaHeight = 1024;
  session::Screens().VirtualScreen = {-1280, 0, 1280, 1024};
  for (int code : {3001, 3020, 3090, 3206, 3867}) {
    triggers::GetOrCreateTrigger(code);
    triggers::BindTool(code, tool::MakeTool<tool::TDummyTool>());
  }
  triggers::GetOrCreateTrigger(3002);  // a trigger without a tool binds nothing
  app::UpdateHookState(tool::HookDialogOpen);
  const auto* d = app::HookData();

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
  EXPECT_EQ(session::Prefs().ShakeSensitivity, 10);
  EXPECT_EQ(session::Prefs().GestureSensitivity, 0);
  app::State().hookData = nullptr;
  triggers::DeleteAllTriggers();
}

}  // namespace
}  // namespace app
