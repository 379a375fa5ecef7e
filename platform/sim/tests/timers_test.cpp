// Timers on the virtual clock: window timers (WM_TIMER) fire in due order,
// once per period, never piling up; killed or ended timers post nothing; and
// the periodic callback timers run in the process that started them.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/tests/sim_desk.h"

namespace platform::sim::test {
namespace {

using Times = std::vector<std::uint64_t>;

TEST(WindowTimers, FireInTheOrderTheyFallDue) {
  Desk d;
  Recorder rec(d.desk);
  WindowHandle w = d.Open(d.main, {0, 0, 100, 100}, &rec);
  ASSERT_TRUE(d.main.SetTimer(w, 1, 30));
  ASSERT_TRUE(d.main.SetTimer(w, 2, 25));
  d.desk.AdvanceBy(100);
  EXPECT_EQ(rec.log, (std::vector<Received>{{25, msg::Timer, 2},
                                            {30, msg::Timer, 1},
                                            {50, msg::Timer, 2},
                                            {60, msg::Timer, 1},
                                            {75, msg::Timer, 2},
                                            {90, msg::Timer, 1},
                                            {100, msg::Timer, 2}}));
}

TEST(WindowTimers, IntervalsBelowTheMinimumRunAtTenMilliseconds) {
  struct Case {
    std::uint32_t asked, period;
  } cases[] = {{0, 10}, {1, 10}, {9, 10}, {10, 10}, {11, 11}, {250, 250}};
  for (const auto& c : cases) {
    SCOPED_TRACE("asked for " + std::to_string(c.asked) + " ms");
    Desk d;
    Recorder rec(d.desk);
    WindowHandle w = d.Open(d.main, {0, 0, 100, 100}, &rec);
    d.main.SetTimer(w, 1, c.asked);
    d.desk.AdvanceBy(2 * c.period);
    EXPECT_EQ(rec.TimesOf(msg::Timer), (Times{c.period, 2u * c.period}));
  }
}

TEST(WindowTimers, SettingARunningTimerAgainRestartsItsPeriod) {
  Desk d;
  Recorder rec(d.desk);
  WindowHandle w = d.Open(d.main, {0, 0, 100, 100}, &rec);
  d.main.SetTimer(w, 1, 50);
  d.desk.AdvanceBy(30);
  EXPECT_TRUE(d.main.SetTimer(w, 1, 50));  // the same timer, not a second one
  d.desk.AdvanceBy(100);
  EXPECT_EQ(rec.TimesOf(msg::Timer, 1), (Times{80, 130}));
  d.main.Destroy(w);
  EXPECT_FALSE(d.main.SetTimer(w, 1, 50));
}

// A thread that takes its messages as they come gets one WM_TIMER per period,
// however far the clock is moved at once: the clock jumping is not the thread
// being busy.
TEST(WindowTimers, ATimerTicksOncePerPeriodHoweverFarTheClockMovesAtOnce) {
  struct Case {
    const char* how;
    std::function<void(Desk&)> advance;
  } cases[] = {
      {"one jump", [](Desk& d) { d.desk.AdvanceBy(1000); }},
      {"ten steps", [](Desk& d) { for (int i = 0; i < 10; ++i) d.desk.AdvanceBy(100); }},
      {"millisecond by millisecond", [](Desk& d) { for (int i = 0; i < 1000; ++i) d.desk.AdvanceBy(1); }},
      {"a wait processing messages", [](Desk& d) { d.main.WaitProcessingMessages(1000); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Desk d;
    Recorder rec(d.desk);
    WindowHandle w = d.Open(d.main, {0, 0, 100, 100}, &rec);
    d.main.SetTimer(w, 1, 100);
    c.advance(d);
    EXPECT_EQ(rec.TimesOf(msg::Timer), (Times{100, 200, 300, 400, 500, 600, 700, 800, 900, 1000}));
  }
}

// WM_TIMER is a flag, not a queue: a timer that falls due several times while
// its thread is busy yields one message when the thread comes back, none while
// it is away.
// DISABLED: Sleep dispatches the sleeping process's queue, so each period re-enters the busy handler.
TEST(TimerCoalescing, DISABLED_ATimerOverdueWhileItsThreadSleepsPostsOneMessage) {
  Desk d;
  Recorder rec(d.desk);
  WindowHandle w = d.Open(d.main, {0, 0, 100, 100}, &rec);
  bool busy = false;
  int whileBusy = 0;
  rec.react = [&](const Message& m) {
    if (m.msg != msg::Timer) return;
    if (busy) {
      ++whileBusy;
      return;
    }
    if (d.desk.Elapsed() == 10) {
      busy = true;
      d.main.Sleep(45);  // periods due at 20, 30, 40 and 50 pass meanwhile
      busy = false;
    }
  };
  d.main.SetTimer(w, 1, 10);
  d.desk.AdvanceBy(59);
  EXPECT_EQ(whileBusy, 0);
  EXPECT_EQ(rec.TimesOf(msg::Timer), (Times{10, 55}));
}

// While one timer's handler waits processing messages, its sibling falls due
// again before its first message was taken: still one message of it waits.
TEST(TimerCoalescing, ATimerNeverHasTwoMessagesWaiting) {
  Desk d;
  Recorder rec(d.desk);
  WindowHandle w = d.Open(d.main, {0, 0, 100, 100}, &rec);
  bool waited = false;
  rec.react = [&](const Message& m) {
    if (m.msg != msg::Timer || m.wParam != 1 || waited) return;
    waited = true;
    d.main.WaitProcessingMessages(35);
  };
  d.main.SetTimer(w, 1, 10);
  d.main.SetTimer(w, 2, 10);
  d.desk.AdvanceBy(100);
  for (std::uint64_t id : {1u, 2u}) {
    SCOPED_TRACE("timer " + std::to_string(id));
    Times at = rec.TimesOf(msg::Timer, id);
    EXPECT_TRUE(std::adjacent_find(at.begin(), at.end(), std::greater_equal<>()) == at.end())
        << "two messages of one timer at one instant";
    EXPECT_GE(at.size(), 9u);
    EXPECT_LE(at.size(), 10u);
  }
}

TEST(TimerCoalescing, AKilledTimerPostsNothingAndLeavesItsNamesakesRunning) {
  Desk d;
  Recorder first(d.desk), second(d.desk);
  WindowHandle w1 = d.Open(d.main, {0, 0, 100, 100}, &first);
  WindowHandle w2 = d.Open(d.other, {0, 0, 100, 100}, &second);
  d.main.SetTimer(w1, 7, 10);
  d.main.SetTimer(w1, 8, 10);
  d.other.SetTimer(w2, 7, 10);  // ids belong to their window
  d.desk.AdvanceBy(10);
  d.main.KillTimer(w1, 7);
  d.desk.AdvanceBy(30);
  EXPECT_EQ(first.TimesOf(msg::Timer, 7), (Times{10}));
  EXPECT_EQ(first.TimesOf(msg::Timer, 8), (Times{10, 20, 30, 40}));
  EXPECT_EQ(second.TimesOf(msg::Timer, 7), (Times{10, 20, 30, 40}));

  // Killed from its own handler: that message was the last.
  second.react = [&](const Message& m) {
    if (m.msg == msg::Timer) d.other.KillTimer(w2, 7);
  };
  d.desk.AdvanceBy(30);
  EXPECT_EQ(second.TimesOf(msg::Timer, 7), (Times{10, 20, 30, 40, 50}));
}

TEST(TimerCoalescing, AProgramThatEndsTakesItsTimersWithIt) {
  Desk d;
  Recorder rec(d.desk);
  int callbacks = 0;
  d.desk.RegisterProgram("ticker.exe", [&](SimProcess& p) {
    WindowSpec spec;
    spec.className = "TTicker";
    WindowHandle w = p.Create(spec, &rec);
    p.SetTimer(w, 1, 10);
    p.Start(10, 1, [](void* count) { ++*static_cast<int*>(count); }, &callbacks);
    p.WaitProcessingMessages(30);
    return 4;
  });
  EXPECT_EQ(d.desk.RunProgram("ticker.exe", {}), 4);
  EXPECT_EQ(rec.TimesOf(msg::Timer), (Times{10, 20, 30}));
  EXPECT_EQ(callbacks, 3);
  d.desk.AdvanceBy(100);
  EXPECT_EQ(rec.log.size(), 3u);
  EXPECT_EQ(callbacks, 3);
}

struct Tally {
  Tally(SimDesktop& d, Platform& runsIn) : desk(&d), expected(&runsIn) {}
  SimDesktop* desk;
  Platform* expected;
  std::vector<std::uint64_t> at;
  int elsewhere = 0;  // calls that ran with another process's platform bound
  PeriodicTimers* stopOnFirstCall = nullptr;
  std::uint32_t victim = 0;
};

void Count(void* context) {
  auto* t = static_cast<Tally*>(context);
  t->at.push_back(t->desk->Elapsed());
  if (&platform::os() != t->expected) ++t->elsewhere;
  if (t->stopOnFirstCall && t->at.size() == 1) t->stopOnFirstCall->Stop(t->victim);
}

TEST(PeriodicTimers, CallbackRunsInItsOwnProcessEveryPeriodUntilStopped) {
  Desk d;
  ScopedPlatform bind(d.main);  // the test runs as the main program
  Tally tally(d.desk, d.other);
  std::uint32_t id = d.other.Start(20, 1, Count, &tally);
  ASSERT_NE(id, 0u);
  EXPECT_EQ(d.other.Start(0, 1, Count, &tally), 0u);
  EXPECT_EQ(d.other.Start(20, 1, nullptr, &tally), 0u);
  d.desk.AdvanceBy(100);
  d.other.Stop(id);
  d.desk.AdvanceBy(100);
  EXPECT_EQ(tally.at, (Times{20, 40, 60, 80, 100}));
  EXPECT_EQ(tally.elsewhere, 0);
  EXPECT_EQ(&platform::os(), static_cast<Platform*>(&d.main));
}

TEST(PeriodicTimers, ACallbackStoppedByAnotherDueAtTheSameInstantDoesNotRun) {
  Desk d;
  Tally stopper(d.desk, d.main), victim(d.desk, d.main);
  stopper.stopOnFirstCall = &d.main;
  d.main.Start(50, 1, Count, &stopper);
  stopper.victim = d.main.Start(50, 1, Count, &victim);
  d.desk.AdvanceBy(200);
  EXPECT_EQ(stopper.at, (Times{50, 100, 150, 200}));
  EXPECT_TRUE(victim.at.empty());
}

}  // namespace
}  // namespace platform::sim::test
