// The mouse hook as scripted timelines over a foreign window: what reached the
// control window, and which button messages the window under the pointer got.
#include <gtest/gtest.h>

#include <functional>

#include "kinhook/tests/hook_desk.h"

namespace kinhook::test {
namespace {

struct Timeline {
  const char* name;
  std::vector<int> bound;
  std::function<void(HookDesk&)> setup;
  std::string script;
  std::vector<Report> reports;
  const char* delivered;  // non-move messages the foreign window received
};

// A right-button swipe from (500,400) to (500+dx, 400+dy) in three steps.
std::string Swipe(int dx, int dy, bool back = false) {
  std::string s = "mouse-move 500 400\nwait 10\nmouse-down right\n";
  for (int i = 1; i <= 3; ++i)
    s += "wait 30\nmouse-move " + std::to_string(500 + dx * i / 3) + " " + std::to_string(400 + dy * i / 3) + "\n";
  if (back) s += "wait 30\nmouse-move 501 400\n";
  return s + "wait 50\nmouse-up right\n";
}

const std::vector<int> AllSwipes = {3020, 3021, 3022, 3023, 3024, 3025, 3026, 3027};

std::vector<Timeline> Timelines() {
  auto none = [](HookDesk&) {};
  const char* rightClick = "mouse-move 500 400\nwait 10\nmouse-down right\nwait 50\nmouse-up right\n";
  const char* rightHold = "mouse-move 500 400\nwait 10\nmouse-down right\nwait 900\nmouse-up right\n";
  const char* middleClick = "mouse-move 500 400\nwait 10\nmouse-down middle\nwait 50\nmouse-up middle\n";
  std::vector<Timeline> t = {
      {"hold right", {3001}, none, rightHold, {{102, 3001}}, ""},
      {"double-click right", {3002}, none,
       "mouse-move 500 400\nwait 10\nmouse-down right\nwait 30\nmouse-up right\nwait 80\nmouse-down right\nwait 30\nmouse-up right\n", {{102, 3002}}, ""},
      {"click right, click left", {3003}, none,
       "mouse-move 500 400\nwait 10\nmouse-down right\nwait 30\nmouse-up right\nwait 60\nmouse-down left\nwait 30\nmouse-up left\n", {{102, 3003}}, ""},
      {"plain right click, only hold bound", {3001}, none, rightClick, {}, "204 205"},
      {"plain right click, double-click bound", {3002}, none, rightClick, {}, "204 205"},
      {"plain right click, nothing bound", {}, none, rightClick, {}, "204 205"},
      {"swipe returning within one pixel", AllSwipes, none, Swipe(250, 0, true), {}, "204 205"},
      {"swipe too short", AllSwipes, none, Swipe(100, 60), {}, "204 205"},
      {"swipes switched off", AllSwipes, [](HookDesk& h) { h.d->RGesturesEnabled = 0; }, Swipe(250, 0), {},
       "204 205"},
      {"middle click, only 3010 bound", {3010}, none, middleClick, {{102, 3010}}, ""},
      {"middle click, 3010 and 3012 bound", {3010, 3012}, none, middleClick, {{102, 3010}}, ""},
      {"double-click middle", {3010, 3012}, none,
       "mouse-move 500 400\nwait 10\nmouse-down middle\nwait 30\nmouse-up middle\nwait 80\nmouse-down middle\nwait 30\nmouse-up middle\n", {{102, 3012}}, ""},
      {"hold middle", {3011}, none,
       "mouse-move 500 400\nwait 10\nmouse-down middle\nwait 900\nmouse-up middle\n", {{102, 3011}}, ""},
      {"click middle, click left", {3013}, none,
       "mouse-move 500 400\nwait 10\nmouse-down middle\nwait 30\nmouse-up middle\nwait 60\nmouse-down left\nwait 30\nmouse-up left\n", {{102, 3013}}, ""},
      {"middle clicks switched off", {3010}, [](HookDesk& h) { h.d->MouseClicksEnabled = 0; }, middleClick, {},
       "207 208"},
      {"tool active", {3001}, [](HookDesk& h) { h.d->ToolActive = 1; }, rightHold, {}, "204 205"},
      {"dialog open", {3001}, [](HookDesk& h) { h.d->DialogOpen = 1; }, rightHold, {}, "204 205"},
      {"primary button held at the last sample", {3001}, [](HookDesk& h) { h.d->PrimaryUp = 0; }, rightHold, {},
       "204 205"},
      {"over the floating toolbar", {3001},
       [](HookDesk& h) {
         platform::WindowSpec spec;
         spec.className = "TTabBar";
         spec.bounds = {450, 350, 550, 450};
         spec.visible = true;
         spec.topmost = true;
         h.desk().CreateWindowFor(h.Main().id(), spec, nullptr);
       },
       rightHold, {}, ""},
      {"cursor lock reports moves and puts the cursor back", {3001},
       [](HookDesk& h) {
         h.d->CursorLocked = 1;
         h.d->LockPoint = {500, 400};
       },
       "mouse-move 500 400\nwait 10\nmouse-move 510 395\nwait 10\nmouse-move 500 400\nwait 10\nwheel 120\n"
       "wait 10\nmouse-down right\nwait 30\nmouse-up right\n",
       {{124, -10}, {125, 5}, {123, 0}}, "20A"},
      {"capture swallows all but the wheel", {3001}, [](HookDesk& h) { h.d->DirectInputActive = 1; },
       "mouse-move 510 395\nwait 10\nmouse-down left\nwait 30\nmouse-up left\nwait 10\nwheel -120\n", {{123, 0}}, "20A"},
      {"everything swallowed while a device button holds", {3001},
       [](HookDesk& h) { h.d->SwallowAllMouse = 1; }, "mouse-move 500 400\nwait 10\nmouse-down left\nwait 30\nmouse-up left\nwheel 120\n", {},
       ""},
      {"pointer outside the toolbar rectangle", {},
       [](HookDesk& h) { h.d->ToolbarRect = {100, 100, 300, 300}; },
       "mouse-move 300 300\nwait 10\nmouse-move 301 300\n", {{127, 0}}, ""},
  };
  const int dirs[][3] = {{3020, 0, -250}, {3021, 200, -200}, {3022, 250, 0},   {3023, 200, 200},
                         {3024, 0, 250},  {3025, -200, 200}, {3026, -250, 0}, {3027, -200, -200}};
  for (const auto& d : dirs)
    t.push_back({"swipe", AllSwipes, none, Swipe(d[1], d[2]), {{102, d[0]}}, ""});
  return t;
}

TEST(MouseRecogniser, ScriptedTimelines) {
  auto timelines = Timelines();
  for (std::size_t i = 0; i < timelines.size(); ++i) {
    const auto& t = timelines[i];
    SCOPED_TRACE(std::string(t.name) + "\n" + t.script);
    HookDesk h;
    for (int c : t.bound) h.Bind({c});
    t.setup(h);
    h.Run(t.script);
    EXPECT_EQ(h.Reports(), t.reports);
    EXPECT_EQ(h.Delivered(), t.delivered);
    // Whatever was drawn of a swipe arrow is gone again.
    EXPECT_TRUE(h.desk().InvertedLines().empty());
  }
}

TEST(MouseRecogniser, CursorLockPutsThePointerBack) {
  HookDesk h;
  h.d->CursorLocked = 1;
  h.d->LockPoint = {500, 400};
  h.Run("mouse-move 530 380\n");
  EXPECT_EQ(h.desk().cursor, (platform::Point{500, 400}));
}

TEST(MouseRecogniser, RightClickPassesAtOnceUnlessADoubleClickCouldFollow) {
  {
    HookDesk h;
    h.Bind({3001});
    h.Run("at 100\nmouse-move 500 400\nat 200\nmouse-down right\nat 250\nmouse-up right\n");
    EXPECT_EQ(h.DeliveredAt("0x204"), 250);
  }
  for (int held : {3002, 3003}) {
    HookDesk h;
    h.Bind({held});
    h.Run("at 100\nmouse-move 500 400\nat 200\nmouse-down right\nat 250\nmouse-up right\n");
    EXPECT_GE(h.DeliveredAt("0x204"), 700) << held;
    EXPECT_LE(h.DeliveredAt("0x204"), 720) << held;
  }
}

TEST(MouseRecogniser, HoldRightReleaseIsSwallowedEvenAfterTheQuietTime) {
  HookDesk h;
  h.Bind({3001});
  h.Run("mouse-move 500 400\nwait 10\nmouse-down right\nwait 2000\nmouse-up right\nwait 100\nmouse-down right\nwait 30\nmouse-up right\n");
  // The held press and its late release are eaten; the next click is a new one and passes.
  EXPECT_EQ(h.Reports(), (std::vector<Report>{{102, 3001}}));
  EXPECT_EQ(h.Delivered(), "204 205");
}

TEST(MouseRecogniser, SwipeArrowFollowsThePointer) {
  HookDesk h;
  h.Bind({3020, 3022});
  // Right first, then turning up: the right arrow is erased, the up arrow drawn.
  h.Run("mouse-move 500 400\nwait 10\nmouse-down right\nwait 30\nmouse-move 700 400\nwait 30\n"
        "mouse-move 700 100\nwait 30\nmouse-move 500 100\nwait 30\nmouse-up right\n");
  EXPECT_EQ(h.Reports(), (std::vector<Report>{{102, 3020}}));
  auto lines = h.desk().trace().Of("screen");
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "invert line 500,400 600,400");
  EXPECT_EQ(lines[1], "invert line 500,400 600,400");
  EXPECT_EQ(lines.back(), "invert line 500,400 500,300");
  EXPECT_TRUE(h.desk().InvertedLines().empty());
}

TEST(MouseRecogniser, QuietTimeSwallowsOnlyWhenAtMostFiveSecondsAhead) {
  for (std::uint32_t ahead : {1000u, 5000u, 5001u, 0x80000000u}) {
    HookDesk h;
    h.d->QuietUntil = h.desk().TickCount() + ahead;
    h.Run("click left\n", 0);
    bool swallowed = ahead <= 5000;
    EXPECT_EQ(h.Delivered(), swallowed ? "" : "201 202") << ahead;
  }
}

TEST(MouseRecogniser, ReportsGoOnlyToTheControlWindowClass) {
  HookDesk h;
  h.Bind({3001});
  // Anyone can write the block: a handle of another program's window gets nothing.
  h.d->ControlWindow = static_cast<std::int32_t>(h.app().value);
  h.Run("mouse-move 500 400\nwait 10\nmouse-down right\nwait 900\nmouse-up right\n");
  EXPECT_TRUE(h.Reports().empty());
  EXPECT_EQ(h.Delivered(), "");
}

TEST(MouseRecogniser, OneClickSwapIsUndoneAtTheNextButtonUp) {
  HookDesk h;
  h.d->SwapPending = 1;
  h.desk().buttonsSwapped = true;
  h.Run("mouse-move 500 400\nwait 10\nmouse-down left\nwait 30\nmouse-up left\n");
  EXPECT_FALSE(h.desk().buttonsSwapped);
  EXPECT_EQ(h.d->SwapPending, 0);
  // With the buttons swapped the physical left press was a secondary press.
  EXPECT_EQ(h.Delivered(), "204 205");
}

}  // namespace
}  // namespace kinhook::test
