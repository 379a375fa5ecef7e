// Folders: the macros, the fallbacks when the shell does not know a folder, the
// CD-ROM drive.
#include <gtest/gtest.h>

#include "session/A_paths.h"
#include "test_support/sim_fixture.h"

namespace {

using platform::ShellFolder;

class FoldersTest : public test_support::SimTest {};

constexpr const char* App = "C:\\Program Files\\Orvanta Nimbra\\";

TEST_F(FoldersTest, MacrosInAnyCaseAndDoubleBackslashesCollapse) {
  session::SetFolders(false);
  struct Case {
    const char* path;
    std::string expected;
  } cases[] = {
      {"{app}\\Profiles\\", std::string(App) + "Profiles\\"},
      {"{APP}\\Profiles", std::string(App) + "Profiles"},
      {"{App}Help\\\\\\x.rtf", std::string(App) + "Help\\x.rtf"},
      {"{UserAppData}\\Orvanta Nimbra\\", "C:\\Users\\Presenter\\AppData\\Roaming\\Orvanta Nimbra\\"},
      {"{USERAPPDATA}{app}", "C:\\Users\\Presenter\\AppData\\Roaming\\C:\\Program Files\\Orvanta Nimbra\\"},
      {"D:\\\\Talks\\\\a.kvx", "D:\\Talks\\a.kvx"},
      {"{ap}\\x", "{ap}\\x"},
  };
  for (const Case& c : cases) EXPECT_EQ(session::ExpandFolderMacros(c.path), c.expected) << c.path;
}

TEST_F(FoldersTest, EachUnknownShellFolderFallsBack) {
  std::string app = App;
  struct Case {
    ShellFolder unknown;
    const std::string* folder;
    std::string expected;
  } cases[] = {
      {ShellFolder::MyPictures, &session::Folders().SlidesFolder, app + "Slides\\"},
      {ShellFolder::MyMusic, &session::Folders().MusicFolder, app + "Media\\"},
      {ShellFolder::MyVideos, &session::Folders().VideoFolder, app + "Media\\"},
      {ShellFolder::AppData, &session::Folders().UserProfilesFolder, app + "Orvanta Nimbra\\Profiles\\"},
      {ShellFolder::CommonMusic, &session::Folders().CommonMusicFolder, ""},
      {ShellFolder::CommonPictures, &session::Folders().CommonPicturesFolder, ""},
      {ShellFolder::CommonVideos, &session::Folders().CommonVideoFolder, ""},
  };
  auto known = desktop().knownFolders();
  for (const Case& c : cases) {
    desktop().knownFolders() = known;
    session::SetFolders(false);
    EXPECT_NE(*c.folder, c.expected) << "known folder " << static_cast<int>(c.unknown);
    desktop().knownFolders().erase(static_cast<int>(c.unknown));
    session::SetFolders(false);
    EXPECT_EQ(*c.folder, c.expected) << "unknown folder " << static_cast<int>(c.unknown);
  }
  // The fallback slides folder is made; Icons only with "/DEBUG"; Skins never.
  EXPECT_TRUE(process().IsFolder(app + "Slides\\"));
  EXPECT_FALSE(process().IsFolder(app + "Icons\\"));
  EXPECT_FALSE(process().IsFolder(app + "Skins\\"));
  session::SetFolders(true);
  EXPECT_TRUE(process().IsFolder(app + "Icons\\"));
}

TEST_F(FoldersTest, CdDriveIsTheFirstCdRomDriveInLetterOrder) {
  session::SetFolders(false);
  EXPECT_EQ(session::Folders().CdDrive, "");
  desktop().cdDrives = {'Z', 'F', 'E'};
  session::SetFolders(false);
  EXPECT_EQ(session::Folders().CdDrive, "E:");
  desktop().cdDrives = {'Z'};
  EXPECT_EQ(session::FindCdDrive(), "Z:");
}

}  // namespace
