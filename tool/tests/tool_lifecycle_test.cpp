#include <gtest/gtest.h>

#include "session/A_prefs.h"
#include "app/F_main.h"
#include "session/program_window.h"
#include "store/XRLIniFile.h"
#include "app/hook_state.h"
#include "tool/image_slots.h"
#include "session/screen_metrics.h"
#include "test_support/test_tools.h"
#include "tool/tool_state.h"
#include "triggers/a_trigger.h"
#include "test_support/sim_fixture.h"

namespace {

using test_support::TLogTool;
using test_support::ToolLog;
using test_support::SimTest;

class ToolLifecycleTest : public SimTest {
 protected:
  void SetUp() override {
    test_support::RegisterTestKinds();
    ToolLog().clear();
    StartProgram();
  }
  TLogTool& Bind(int code, const std::string& name) {
    triggers::GetOrCreateTrigger(code);
    auto tool = tool::MakeTool<TLogTool>();
    tool->UCap = name;
    TLogTool& ref = static_cast<TLogTool&>(*tool);
    triggers::BindTool(code, std::move(tool));
    return ref;
  }
};

TEST_F(ToolLifecycleTest, ActivationStartsOnTheNextCommandAndRetriggerEnds) {
  TLogTool& a = Bind(3001, "a");
  triggers::FireEvent(3001);
  EXPECT_EQ(tool::ActiveTool(), &a);
  EXPECT_FALSE(a.Running);  // Start comes with command 4
  desktop().AdvanceBy(1);
  EXPECT_TRUE(a.Running);
  EXPECT_EQ(app::HookData()->ToolActive, 1);
  triggers::FireEvent(3001);  // the second trigger posts 123
  desktop().AdvanceBy(1);
  EXPECT_EQ(tool::ActiveTool(), nullptr);
  EXPECT_EQ(app::HookData()->ToolActive, 0);
  std::vector<std::string> expected = {"execute a", "start a", "stop a"};
  EXPECT_EQ(ToolLog(), expected);
}

TEST_F(ToolLifecycleTest, ActivatingAnotherToolEndsTheFirstAndStartsAboutOneSecondLater) {
  Bind(3001, "a");
  TLogTool& b = Bind(3002, "b");
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  std::uint64_t t0 = desktop().Elapsed();
  triggers::FireEvent(3002);
  EXPECT_EQ(tool::ActiveTool(), nullptr);
  EXPECT_EQ(app::HookData()->QuietUntil, tool::State().PendingActivationTime);  // the hooks keep quiet meanwhile
  desktop().AdvanceBy(900);
  EXPECT_FALSE(b.Active);
  desktop().AdvanceBy(300);
  EXPECT_TRUE(b.Running);
  EXPECT_GE(desktop().Elapsed() - t0, 1000u);
  std::vector<std::string> expected = {"execute a", "start a", "stop a", "execute b", "start b"};
  EXPECT_EQ(ToolLog(), expected);
}

TEST_F(ToolLifecycleTest, AToolThatLeavesOthersRunningStartsAtOnce) {
  TLogTool& a = Bind(3001, "a");
  TLogTool& b = Bind(3002, "b");
  b.EndsActiveTool = false;
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  triggers::FireEvent(3002);
  desktop().AdvanceBy(1);
  EXPECT_TRUE(a.Running);
  EXPECT_TRUE(b.Running);
  EXPECT_EQ(tool::ActiveTool(), &b);
}

TEST_F(ToolLifecycleTest, AStartThatEndsItsToolNeverRuns) {
  TLogTool& a = Bind(3001, "a");
  a.endInStart = true;
  triggers::FireEvent(3001);
  desktop().AdvanceBy(100);
  EXPECT_FALSE(a.Running);
  EXPECT_FALSE(a.Active);
  EXPECT_EQ(tool::ActiveTool(), nullptr);
  EXPECT_EQ(a.ticks, 0);
}

TEST_F(ToolLifecycleTest, InstantToolsNeverBecomeActive) {
  triggers::GetOrCreateTrigger(104);
  triggers::BindTool(104, tool::MakeTool<tool::TBasicTool>());
  Bind(3001, "a");
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  triggers::FireEvent(104);  // ends the running tool, then does its nothing a second later
  desktop().AdvanceBy(1200);
  EXPECT_EQ(tool::ActiveTool(), nullptr);
  EXPECT_EQ(ToolLog().back(), "stop a");
}

TEST_F(ToolLifecycleTest, FreeingAToolClearsEveryPendingReference) {
  TLogTool& a = Bind(3001, "a");
  Bind(3002, "b");
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  tool::ToolId a_id = a.Id();
  triggers::FireEvent(3002);           // a ends; b waits as the pending activation
  triggers::FreeTool(3002);            // b goes before its time
  EXPECT_EQ(tool::State().PendingActivation, 0u);
  // A command still in the queue for a freed tool is refused, not obeyed.
  triggers::FreeTool(3001);
  session::PostCommand(2, a_id);
  desktop().AdvanceBy(1200);
  EXPECT_EQ(tool::ActiveTool(), nullptr);
  EXPECT_TRUE(trace().Contains("command 2 " + std::to_string(a_id) + " ignored"));
}

TEST_F(ToolLifecycleTest, FreeingTheActiveToolEndsItFirst) {
  Bind(3001, "a");
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  triggers::DeleteTrigger(3001);
  EXPECT_EQ(tool::ActiveTool(), nullptr);
  EXPECT_EQ(ToolLog().back(), "stop a");
  EXPECT_EQ(app::HookData()->ToolActive, 0);
}

TEST_F(ToolLifecycleTest, RightButtonAndEscEndUnlessTheKindSaysOtherwise) {
  TLogTool& a = Bind(3001, "a");
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  a.WrapMouseUp(tool::MouseButton::Left, {}, 1, 1);
  EXPECT_TRUE(a.Running);
  a.RightClickEnds = false;
  a.WrapMouseUp(tool::MouseButton::Right, {}, 1, 1);
  EXPECT_TRUE(a.Running);
  std::uint16_t esc = 27;
  a.EscEnds = false;
  a.WrapKeyUp(esc, {});
  EXPECT_TRUE(a.Running);
  a.EscEnds = true;
  a.WrapKeyUp(esc, {});
  EXPECT_FALSE(a.Running);
}

TEST_F(ToolLifecycleTest, DeactivateFocusesTheFullScreenWindowUnderTheToolAreaCentre) {
  // Two monitors; the tools cover the second one, which does not start at (0, 0).
  desktop().monitors().push_back({1024, 0, 2048, 768});
  session::Prefs().MonitorNum = 2;
  auto slideShow = ForeignWindow("screenClass", {1024, 0, 2048, 768});
  ForeignWindow("NOTEPAD", {0, 0, 1024, 768});  // under (half width, half height) of the area
  Bind(3001, "a");
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  tool::ActiveTool()->Deactivate();
  EXPECT_EQ(desktop().foreground(), slideShow);
}

TEST_F(ToolLifecycleTest, CapturedMouseFallsBackToTheHookCursorLock) {
  TLogTool& a = Bind(3001, "a");
  a.CapturesMouse = true;
  desktop().cursor = {3, 760};
  triggers::FireEvent(3001);
  desktop().AdvanceBy(1);
  EXPECT_EQ(app::HookData()->CursorLocked, 1);
  shared::Point32 lock = app::HookData()->LockPoint;  // a packed field: copy before comparing
  EXPECT_EQ(lock.x, 20);
  EXPECT_EQ(lock.y, 748);
  EXPECT_EQ(desktop().cursor, (platform::Point{20, 748}));
  a.Deactivate();
  EXPECT_EQ(app::HookData()->CursorLocked, 0);
}

TEST_F(ToolLifecycleTest, PersistenceHelpersKeepDefaultsForOutOfRangeValues) {
  store::TXRLIniFile ini = store::TXRLIniFile::FromText(
      "x", "[Triggers]\r\n0__M=9\r\n0__S=0\r\n0__F=1\r\n0__T=xyz\r\n0__FN_T=300\r\n0__FN_S=12\r\n0__FN_N=Liberation\r\n");
  ini.Section = "Triggers";
  ini.KeyPrefix1 = "0__";
  auto tool = tool::MakeTool<TLogTool>();
  auto& t = static_cast<TLogTool&>(*tool);
  t.LoadTool(ini);
  EXPECT_EQ(t.mode, 1);      // 9 is above the maximum of 3
  EXPECT_EQ(t.size, 10);     // 0 is below the minimum of 1
  EXPECT_EQ(t.color, 0x112233);  // absent: kept
  EXPECT_TRUE(t.flag);
  EXPECT_EQ(t.text, "xyz");
  EXPECT_EQ(t.font.style, 0);  // 300 is no style
  EXPECT_EQ(t.font.size, 12);
  EXPECT_EQ(t.font.name, "Liberation");
  store::TXRLIniFile out = store::TXRLIniFile::Fresh("y");
  out.Section = "Triggers";
  out.KeyPrefix1 = "5__";
  t.SaveTool(out);
  EXPECT_EQ(out.Text().substr(0, 40), "[Triggers]\r\n5__#T=TLogTool\r\n5__UCap=\r\n5_");
}

TEST_F(ToolLifecycleTest, DuplicateCopiesTheSharedFieldsAndTheKindsSettings) {
  auto tool = tool::MakeTool<TLogTool>();
  auto& t = static_cast<TLogTool&>(*tool);
  t.UCap = "mine";
  t.CloseMode = 2;
  t.WindowMode = 1;
  t.UsesToolWindow = true;
  t.Configurable = false;
  t.HoldToRun = true;  // not one of the copied fields
  t.size = 77;
  tool::ToolPtr copy = t.Duplicate();
  auto& c = static_cast<TLogTool&>(*copy);
  EXPECT_EQ(c.UCap, "mine");
  EXPECT_EQ(c.CloseMode, 2);
  EXPECT_EQ(c.WindowMode, 1);
  EXPECT_TRUE(c.UsesToolWindow);
  EXPECT_FALSE(c.Configurable);
  EXPECT_FALSE(c.HoldToRun);
  EXPECT_EQ(c.size, 77);
  EXPECT_NE(c.Id(), t.Id());
}

class PreviewTool : public TLogTool {
 public:
  void InitDefaults() override {
    HasPreview = true;
    HasOwnIcon = true;
  }
  tool::ToolPtr Clone() const override { return tool::MakeTool<PreviewTool>(); }
};

TEST_F(ToolLifecycleTest, ImageSlotsOfFreedToolsAreReused) {
  tool::ResetImageSlots(154);
  auto a = tool::MakeTool<PreviewTool>();
  auto b = tool::MakeTool<PreviewTool>();
  EXPECT_EQ(a->PreviewIndex, 0);
  EXPECT_EQ(b->PreviewIndex, 1);
  EXPECT_EQ(a->IconIndex, 154);
  int aIcon = a->IconIndex;
  a.reset();
  auto c = tool::MakeTool<PreviewTool>();
  EXPECT_EQ(c->PreviewIndex, 0);
  EXPECT_EQ(c->IconIndex, aIcon);
  EXPECT_EQ(tool::PreviewSlotCount(), 2);
  EXPECT_EQ(tool::IconSlotCount(), 156);
}

TEST(ToolEventClasses, AllowedEventsCoverTheirCodeRanges) {
  struct Case {
    int code, cls;
  } cases[] = {{4400, 0}, {4302, 4}, {1, 5},      {2400, 5},     {2401, -1},  {3100, 6},   {3867, 6},
               {3013, 7}, {3014, -1}, {3020, 8},  {3081, 8},     {3090, 9},   {4999, 10},  {5000, 15},
               {5999, 15}, {6560, 12}, {6561, 11}, {62560, 11},  {62561, 14}, {4000, -1},  {4105, 13},
               {0, -1},   {70000, -1}};
  for (const auto& c : cases) EXPECT_EQ(tool::TTool::EventClassOf(c.code), c.cls) << c.code;
}

}  // namespace
