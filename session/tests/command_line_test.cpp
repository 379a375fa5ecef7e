// The main program's switches, in any letter case.
#include <gtest/gtest.h>

#include "session/command_line.h"
#include "test_support/sim_fixture.h"

namespace {

class CommandLineTest : public test_support::SimTest {};

TEST_F(CommandLineTest, SwitchesWorkInAnyLetterCase) {
  using Args = std::vector<std::string>;
  struct Case {
    Args args;
    session::CommandLineOptions expected;
  };
  auto with = [](auto set) {
    session::CommandLineOptions o;
    set(o);
    return o;
  };
  Case cases[] = {
      {{}, {}},
      {{"-debug"}, with([](auto& o) { o.debugOutput = true; })},
      {{"-Debug", "/DeBuG"}, with([](auto& o) { o.debugOutput = o.debugWindows = true; })},
      {{"-splash=0"}, with([](auto& o) { o.splashTimeMs = 0; })},
      {{"-SPLASH=4"}, with([](auto& o) { o.splashTimeMs = 4000; })},
      {{"-Splash=2"}, with([](auto& o) { o.splashTimeMs = 2000; })},
      {{"-splash=5"}, {}},
      {{"-splash=10"}, {}},
      {{"-splash="}, {}},
      {{"/listrequiredhelpfiles"}, with([](auto& o) { o.listRequiredHelpFiles = true; })},
      {{"/RemoveUnusedHelpFiles"}, with([](auto& o) { o.removeUnusedHelpFiles = true; })},
      {{"/updatetranslationFILE"}, with([](auto& o) { o.updateTranslationFile = true; })},
      {{"debug", "/splash=1", "-DEBUGX"}, {}},
  };
  for (const Case& c : cases) {
    session::CommandLineOptions o = session::ParseCommandLine(c.args);
    std::string what = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(o.debugOutput, c.expected.debugOutput) << what;
    EXPECT_EQ(o.debugWindows, c.expected.debugWindows) << what;
    EXPECT_EQ(o.splashTimeMs, c.expected.splashTimeMs) << what;
    EXPECT_EQ(o.listRequiredHelpFiles, c.expected.listRequiredHelpFiles) << what;
    EXPECT_EQ(o.removeUnusedHelpFiles, c.expected.removeUnusedHelpFiles) << what;
    EXPECT_EQ(o.updateTranslationFile, c.expected.updateTranslationFile) << what;
    EXPECT_EQ(o.BatchMode(), c.expected.BatchMode()) << what;
    EXPECT_EQ(o.profileArgument, "") << what;
  }
}

TEST_F(CommandLineTest, FirstArgumentOpensAnExistingProfile) {
  WriteFile("D:\\Talks\\Keynote.KVX", "");
  WriteFile("D:\\Talks\\notes.txt", "");
  EXPECT_EQ(session::ParseCommandLine({"D:\\Talks\\Keynote.KVX", "-debug"}).profileArgument, "D:\\Talks\\Keynote.KVX");
  EXPECT_EQ(session::ParseCommandLine({"d:\\talks\\keynote.kvx"}).profileArgument, "d:\\talks\\keynote.kvx");
  EXPECT_EQ(session::ParseCommandLine({"D:\\Talks\\Missing.kvx"}).profileArgument, "");
  EXPECT_EQ(session::ParseCommandLine({"D:\\Talks\\notes.txt"}).profileArgument, "");
  EXPECT_EQ(session::ParseCommandLine({"-debug", "D:\\Talks\\Keynote.KVX"}).profileArgument, "");  // only the first
}

}  // namespace
