// Expectations in scripts: how a pattern matches a trace line, and where on the
// timeline each one looks.
#include <gtest/gtest.h>

#include "platform/sim/sim_script.h"

namespace platform::sim {
namespace {

TEST(ScriptExpectation, MatchesTheWholeLineWithWildcards) {
  struct Case {
    const char* pattern;
    const char* text;
    bool matches;
  } cases[] = {
      {"event 104 fired", "event 104 fired", true},
      {"event 104 fired", "event 104 fired twice", false},  // the whole line, not a part
      {"event 10 fired", "event 104 fired", false},
      {"Event 104 fired", "event 104 fired", false},  // letter case as written
      {"tool * TZoomTool", "tool start TZoomTool", true},
      {"tool * TZoomTool", "tool start TZoomToolbar", false},
      {"a*b*c", "aXbYbc", true},  // the first "b" is the wrong one
      {"a*bcd", "abcbc", false},
      {"*", "", true},
      {"x**", "x", true},
      {"", "x", false},
      {"message Talk.kvx*already exists*", "message Talk.kvx\nThis file already exists.", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchesExpectation(c.pattern, c.text), c.matches) << c.pattern << " / " << c.text;
}

// Runs a script on a desktop with no program on it; notes are its only trace.
ScriptResult RunScript(const std::string& text) {
  SimDesktop desktop{DesktopOptions{}};
  ScriptTimeline script(text);
  desktop.SetTimeline(&script);
  while (desktop.StepTimeline()) {
  }
  desktop.SetTimeline(nullptr);
  return script.Finish(desktop.trace());
}

TEST(ScriptExpectation, LooksOnlyAfterTheLastMetExpectationAndOnlyAtItsPoint) {
  ScriptResult r = RunScript(
      "note a\n"
      "note b\n"
      "expect script note b\n"
      "expect script note a\n"       // 4: before b, so not met
      "expect-none script note a\n"  // none since b: met
      "at 50\n"
      "expect script note late\n"  // 7: not yet there at 50 ms
      "at 100\n"
      "note late\n"
      "expect script note *\n");  // at the end: sees the late note
  EXPECT_FALSE(r.passed);
  EXPECT_EQ(r.expectations, 5);
  EXPECT_EQ(r.unmet, 2);
  EXPECT_NE(r.report.find("line 4: expect script note a\n"), std::string::npos) << r.report;
  EXPECT_NE(r.report.find("since the expectation of line 3, checked at 0 ms"), std::string::npos) << r.report;
  EXPECT_NE(r.report.find("line 7: expect script note late\n"), std::string::npos) << r.report;
  // What came after the check is shown too: the line came too late.
  EXPECT_NE(r.report.find("after the check:\n  |     100 script note late"), std::string::npos) << r.report;
}

TEST(ScriptExpectation, ExpectNoneReportsTheLineThatShouldNotBeThere) {
  ScriptResult r = RunScript(
      "note start\n"
      "expect script note start\n"
      "note oops\n"
      "note fine\n"
      "expect-none script note oops\n");
  EXPECT_EQ(r.unmet, 1);
  EXPECT_NE(r.report.find("  >       0 script note oops\n"), std::string::npos) << r.report;
  EXPECT_TRUE(RunScript("note a\nexpect script note a\nexpect-none script note b\n").passed);
}

TEST(ScriptExpectation, MalformedAndUnknownLinesFailTheRun) {
  ScriptResult r = RunScript(
      "wait soon\n"
      "mouse-move 1\n"
      "expcet script note a\n"
      "expect\n"
      "swap-buttons maybe\n"
      "note fine\n");
  EXPECT_FALSE(r.passed);
  EXPECT_EQ(r.errors, 5);
  for (const char* why : {"line 1: wait needs", "line 2: mouse-move X Y", "line 3: unknown command expcet",
                          "line 4: expect needs", "line 5: swap-buttons on|off"})
    EXPECT_NE(r.report.find(why), std::string::npos) << why << "\n" << r.report;
  EXPECT_TRUE(RunScript("note fine\nexpect script note fine\n").passed);
}

}  // namespace
}  // namespace platform::sim
