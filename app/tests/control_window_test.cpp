#include <gtest/gtest.h>

#include "app/app_state.h"
#include "session/A_prefs.h"
#include "app/F_main.h"
#include "app/hook_state.h"
#include "session/screen_metrics.h"
#include "session/session_state.h"
#include "shared/event_codes.h"
#include "test_support/test_tools.h"
#include "tool/tool_state.h"
#include "triggers/a_trigger.h"
#include "platform/messages.h"
#include "test_support/sim_fixture.h"

namespace {

using test_support::ToolLog;
using test_support::LambdaTimeline;
using test_support::SimTest;

class ControlWindowTest : public SimTest {
 protected:
  void SetUp() override {
    test_support::RegisterTestKinds();
    ToolLog().clear();
  }
  std::int64_t Command(int code, std::int64_t lParam = 0) {
    return desktop().Send(-1, session::State().ControlWindowHandle, {shared::InternalCommand, static_cast<std::uint64_t>(code), lParam});
  }
  std::string LastCommandNote() {
    auto notes = trace().Of("command");
    return notes.empty() ? "" : notes.back();
  }
  void Bind(int code, tool::ToolPtr tool) {
    triggers::GetOrCreateTrigger(code);
    triggers::BindTool(code, std::move(tool));
  }
};

TEST_F(ControlWindowTest, CommandGatingByProgramState) {
  StartProgram();
  Bind(3090, tool::MakeTool<test_support::TLogTool>());
  struct Case {
    const char* state;
    int code;
    std::int64_t lParam;
    const char* note;
  } cases[] = {
      {"starting", 101, 3090, "101 3090 dropped (starting)"},
      {"starting", 103, 3090, "103 3090 dropped (starting)"},
      {"starting", 14, 0, "14 ignored"},  // 14 is never dropped; lParam 0 does nothing
      {"running", 999, 0, "999 ignored"},
      {"running", 105, 0, "105 ignored"},
      {"running", 2, 0, "2 ignored"},      // codes carrying a tool do nothing without one
      {"running", 2, 77777, "2 77777 ignored"},  // nor for a tool that does not exist
      {"running", 5, 0, "5 ignored"},
      {"running", 104, 3090, "104 3090 handled"},
      {"closing", 103, 3090, "103 3090 dropped (closing)"},
      {"closing", 14, 0, "14 ignored"},
  };
  for (const auto& c : cases) {
    app::State().Starting = std::string(c.state) == "starting";
    app::State().Closing = std::string(c.state) == "closing";
    if (tool::ActiveTool()) tool::ActiveTool()->Deactivate();
    tool::State().ActiveTool = nullptr;
    Command(c.code, c.lParam);
    EXPECT_EQ(LastCommandNote(), c.note) << c.state << " " << c.code;
  }
  app::State().Closing = false;
}

TEST_F(ControlWindowTest, HotspotAndShakeReportsWaitForIdleAndDueActivations) {
  StartProgram();
  Bind(3090, tool::MakeTool<test_support::TLogTool>());
  auto other = tool::MakeTool<test_support::TLogTool>();
  // A delayed activation due within the next second holds code 101 back.
  tool::SetPendingActivation(*other, desktop().TickCount() + 900);
  Command(101, 3090);
  EXPECT_EQ(LastCommandNote(), "101 3090 ignored");
  tool::State().PendingActivationTime = desktop().TickCount() + 1500;
  Command(101, 3090);
  EXPECT_EQ(LastCommandNote(), "101 3090 handled");
  ASSERT_NE(tool::ActiveTool(), nullptr);
  // A tool runs now: 101 and 104 no longer dispatch, 103 always does.
  Command(101, 3090);
  EXPECT_EQ(LastCommandNote(), "101 3090 ignored");
  Command(104, 3090);
  EXPECT_EQ(LastCommandNote(), "104 3090 ignored");
  Command(103, 3090);
  EXPECT_EQ(LastCommandNote(), "103 3090 handled");
}

TEST_F(ControlWindowTest, MouseReportBringsBackTheLastForeignWindow) {
  StartProgram();
  auto editor = ForeignWindow("NOTEPAD", {0, 0, 800, 600});
  desktop().SetForegroundRaw(editor);
  desktop().AdvanceBy(60);
  ASSERT_EQ(session::State().LastForeignWindow, editor);
  // The click that made the report went to the desktop, which tracking ignores.
  desktop().SetForegroundRaw(desktop().desktopWindow());
  Bind(3020, tool::MakeTool<test_support::TLogTool>());
  std::uint64_t before = desktop().Elapsed();
  Command(102, 3020);
  EXPECT_GE(desktop().Elapsed() - before, 100u);  // the 100 ms wait ran on the virtual clock
  EXPECT_EQ(desktop().foreground(), editor);
  EXPECT_EQ(LastCommandNote(), "102 3020 handled");
}

TEST_F(ControlWindowTest, ForegroundTrackingKeepsOnlyForeignProgramWindows) {
  StartProgram();
  auto editor = ForeignWindow("NOTEPAD", {0, 0, 800, 600});
  auto tick = [&](platform::WindowHandle w) {
    desktop().SetForegroundRaw(w);
    desktop().AdvanceBy(50);
    return session::State().LastForeignWindow;
  };
  EXPECT_EQ(tick(editor), editor);
  EXPECT_EQ(tick(desktop().taskbarWindow()), editor);
  auto lowerTaskbar = ForeignWindow("shell_traywnd", {0, 700, 100, 768});
  EXPECT_EQ(tick(lowerTaskbar), editor);
  EXPECT_EQ(tick(desktop().desktopWindow()), editor);
  platform::WindowSpec own;
  own.className = "TPropertiesForm";
  own.owner = session::State().ControlWindowHandle;
  own.visible = true;
  auto ownWindow = process().Create(own, nullptr);
  EXPECT_EQ(tick(ownWindow), editor);
  EXPECT_EQ(tick(session::State().ControlWindowHandle), editor);
  auto slides = ForeignWindow("screenClass", {0, 0, 1024, 768});
  EXPECT_EQ(tick(slides), slides);
  desktop().DestroyWindow(slides);
  EXPECT_EQ(tick(desktop().desktopWindow()), platform::WindowHandle{});
}

TEST_F(ControlWindowTest, ShutdownEndsTheActiveToolBeforeFreeingAnything) {
  LambdaTimeline timeline;
  timeline.At(4000, [&] {
    auto tool = tool::MakeTool<test_support::TLogTool>();
    tool->UCap = "running";
    Bind(3001, std::move(tool));
    triggers::FireEvent(3001);
  });
  timeline.At(4500, [&] {
    ASSERT_NE(tool::ActiveTool(), nullptr);
    EXPECT_TRUE(tool::ActiveTool()->Running);
    desktop().Post(-1, session::State().ControlWindowHandle, {shared::QuitMessage, 1, 0});
  });
  desktop().SetTimeline(&timeline);
  desktop().RegisterProgram("Velmora.exe", [](platform::sim::SimProcess&) { return test_support::RunVelmora(); });
  EXPECT_EQ(desktop().RunProgram("Velmora.exe", {}), 0);
  desktop().SetTimeline(nullptr);
  std::vector<std::string> order;
  for (const auto& line : trace().lines()) {
    std::string_view l(line);
    if (l.find("tool deactivate") != std::string_view::npos || l.find(" shutdown ") != std::string_view::npos)
      order.emplace_back(l.substr(8));
  }
  std::vector<std::string> expected = {
      "shutdown timers stopped",        "tool deactivate TLogTool",       "shutdown active tool ended",
      "shutdown remote library terminated", "shutdown hooks quietened",   "shutdown forms closed",
      "shutdown hooks removed",         "shutdown tools and resources freed", "shutdown translation finished"};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(ToolLog().back(), "stop running");
  EXPECT_FALSE(desktop().MappingExists(shared::SharedDataName));
}

TEST_F(ControlWindowTest, SecondCopyAsksTheFirstToShowItselfAndEnds) {
  LambdaTimeline timeline;
  int secondCode = -1;
  timeline.At(500, [&] { secondCode = desktop().RunProgram("Velmora.exe", {}); });  // during start-up
  timeline.At(4000, [&] { secondCode = desktop().RunProgram("Velmora.exe", {}); });
  timeline.At(4100, [&] { desktop().Post(-1, session::State().ControlWindowHandle, {shared::QuitMessage, 1, 0}); });
  desktop().SetTimeline(&timeline);
  desktop().RegisterProgram("Velmora.exe", [](platform::sim::SimProcess&) { return test_support::RunVelmora(); });
  desktop().RunProgram("Velmora.exe", {});
  desktop().SetTimeline(nullptr);
  EXPECT_EQ(secondCode, 0);
  auto commands = trace().Of("command");
  std::vector<std::string> expected = {"126 dropped (starting)", "126 handled"};
  EXPECT_EQ(commands, expected);
  // The second copies created no window of their own.
  EXPECT_EQ(trace().Of("startup").size(), 3u);  // two refusals and one message loop
}

TEST_F(ControlWindowTest, BatchModeQuitsTwoSecondsAfterTheFormsOpen) {
  LambdaTimeline timeline;
  timeline.At(60000, [] {});  // keeps the clock going; the program must end long before
  desktop().SetTimeline(&timeline);
  desktop().RegisterProgram("Velmora.exe", [](platform::sim::SimProcess&) { return test_support::RunVelmora(); });
  desktop().RunProgram("Velmora.exe", {"/REMOVEUNUSEDHELPFILES", "-SPLASH=1"});
  // The forms open after the splash time (1 s); the quit comes 2 s later, on a 50 ms tick.
  EXPECT_GE(desktop().Elapsed(), 3000u);
  EXPECT_LE(desktop().Elapsed(), 3100u);
  EXPECT_TRUE(trace().Contains("command 1 handled"));
  EXPECT_FALSE(trace().Contains("profile loaded"));  // batch mode loads no profile
  desktop().SetTimeline(nullptr);
}

TEST_F(ControlWindowTest, SessionEndQueriesSaveAndACancelledLogOffKeepsRunning) {
  StartProgram();
  auto w = session::State().ControlWindowHandle;
  EXPECT_EQ(desktop().Send(-1, w, {platform::msg::QueryEndSession, 0, 0}), 1);
  EXPECT_TRUE(app::State().SystemShuttingDown);
  EXPECT_TRUE(desktop().Window(w) != nullptr);
  desktop().Send(-1, w, {platform::msg::EndSession, 0, 0});
  EXPECT_TRUE(desktop().Window(w) != nullptr);  // log-off cancelled: still running
  desktop().Send(-1, w, {platform::msg::EndSession, 1, 0});
  EXPECT_TRUE(desktop().Window(w) == nullptr);
  EXPECT_TRUE(process().quitRequested());
}

TEST_F(ControlWindowTest, QuitMessageNeedsWParamOne) {
  StartProgram();
  auto w = session::State().ControlWindowHandle;
  desktop().Send(-1, w, {shared::QuitMessage, 0, 0});
  EXPECT_TRUE(desktop().Window(w) != nullptr);
  desktop().Send(-1, w, {shared::QuitMessage, 1, 0});
  EXPECT_TRUE(desktop().Window(w) == nullptr);
}

TEST_F(ControlWindowTest, HookBlockHoldsTheControlWindowAndInitialValues) {
  StartProgram();
  ASSERT_NE(app::HookData(), nullptr);
  EXPECT_EQ(static_cast<std::uint64_t>(app::HookData()->ControlWindow), session::State().ControlWindowHandle.value);
  EXPECT_EQ(app::HookData()->LastSwallowedKey, shared::NoSwallowedKey);
  EXPECT_EQ(app::HookData()->ToolActive, 0);
  EXPECT_EQ(app::HookData()->SideInsetX, session::Screens().VirtualScreen.Width() / 4);
}

}  // namespace

// Pending work across the 32-bit wrap of the tick count.
namespace {
class WrapTest : public SimTest {
 protected:
  static platform::sim::DesktopOptions NearWrap() {
    platform::sim::DesktopOptions o;
    o.startTick = 0xFFFFFC00u;  // wraps about a second after the start
    return o;
  }
  WrapTest() : SimTest(NearWrap()) {}
};

TEST_F(WrapTest, PendingActivationFiresOnceItsTimeHasPassedAcrossTheWrap) {
  test_support::RegisterTestKinds();
  StartProgram();
  triggers::GetOrCreateTrigger(3001);
  triggers::BindTool(3001, tool::MakeTool<test_support::TLogTool>());
  tool::TTool* tool = triggers::TriggerAt(3001)->Tool.get();
  tool::SetPendingActivation(*tool, desktop().TickCount() + 2000);  // due after the wrap
  desktop().AdvanceBy(500);
  EXPECT_EQ(tool::ActiveTool(), nullptr) << "fired early: the due time looked past";
  desktop().AdvanceBy(1700);
  EXPECT_EQ(tool::ActiveTool(), tool);
}
}  // namespace
