// Finding the default web browser through the shell.
#include <gtest/gtest.h>

#include "session/A_paths.h"
#include "session/browser.h"
#include "test_support/sim_fixture.h"

namespace {

class BrowserTest : public test_support::SimTest {
 protected:
  ~BrowserTest() override {
    session::Browser().path.clear();
    session::Browser().kind.clear();
  }
  const std::string temp = "C:\\Users\\Presenter\\AppData\\Local\\Temp\\";
};

TEST_F(BrowserTest, KindFollowsTheProgramsFileName) {
  struct Case {
    const char* program;
    const char* kind;
  } cases[] = {
      {"C:\\Program Files\\Netscape\\netscape.exe", "NETSCAPE"},
      {"C:\\Program Files\\Navigator\\Navigator.exe", "NETSCAPE"},
      {"C:\\Program Files\\Internet Explorer\\iexplore.exe", "IExplore"},
      {"C:\\Program Files\\Nimble\\firefox.exe", "IExplore"},  // the file name counts, not the folder
  };
  for (const Case& c : cases) {
    desktop().fileAssociations[".htm"] = c.program;
    session::DetectDefaultBrowser();
    EXPECT_EQ(session::Browser().path, c.program);
    EXPECT_EQ(session::Browser().kind, c.kind) << c.program;
  }
  desktop().fileAssociations.clear();
  session::DetectDefaultBrowser();
  EXPECT_EQ(session::Browser().path, "");
  EXPECT_EQ(session::Browser().kind, "");
}

TEST_F(BrowserTest, AskingLeavesTheUsersFilesAlone) {
  session::SetFolders(false);
  desktop().fileAssociations[".htm"] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
  // A user's own page with the name the question once used, and a file that
  // happens to carry the first probe name.
  WriteFile(session::Folders().UserProfilesFolder + "Temp.htm", "<p>my notes</p>");
  WriteFile(temp + "VelmoraBrowserProbe0.htm", "someone else's");
  session::DetectDefaultBrowser();
  EXPECT_EQ(session::Browser().kind, "IExplore");
  EXPECT_EQ(ReadFile(session::Folders().UserProfilesFolder + "Temp.htm"), "<p>my notes</p>");
  EXPECT_EQ(ReadFile(temp + "VelmoraBrowserProbe0.htm"), "someone else's");
  // The question was asked about a file of its own in the temporary folder,
  // which is gone afterwards.
  auto asked = trace().Of("shell");
  ASSERT_EQ(asked.size(), 1u);
  std::string probe = asked[0].substr(std::string("executable for ").size());
  EXPECT_EQ(probe.rfind(temp, 0), 0u) << probe;
  EXPECT_NE(probe, temp + "VelmoraBrowserProbe0.htm");
  EXPECT_FALSE(process().Exists(probe));
  EXPECT_EQ(process().ListFiles(temp, "*.htm").size(), 1u);
}

}  // namespace
