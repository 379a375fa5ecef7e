// Folders: the macros, the fallbacks when the shell does not know a folder, the
// CD-ROM drive.
#include <gtest/gtest.h>

#include "core/A_paths.h"
#include "testing/sim_fixture.h"

namespace {

using platform::ShellFolder;

class FoldersTest : public testing_support::SimTest {};

constexpr const char* App = "C:\\Program Files\\Orvanta Nimbra\\";

TEST_F(FoldersTest, MacrosInAnyCaseAndDoubleBackslashesCollapse) {
  core::SetFolders(false);
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
  for (const Case& c : cases) EXPECT_EQ(core::ExpandFolderMacros(c.path), c.expected) << c.path;
}

TEST_F(FoldersTest, EachUnknownShellFolderFallsBack) {
  std::string app = App;
  struct Case {
    ShellFolder unknown;
    const std::string* folder;
    std::string expected;
  } cases[] = {
      {ShellFolder::MyPictures, &core::SlidesFolder, app + "Slides\\"},
      {ShellFolder::MyMusic, &core::MusicFolder, app + "Media\\"},
      {ShellFolder::MyVideos, &core::VideoFolder, app + "Media\\"},
      {ShellFolder::AppData, &core::UserProfilesFolder, app + "Orvanta Nimbra\\Profiles\\"},
      {ShellFolder::CommonMusic, &core::CommonMusicFolder, ""},
      {ShellFolder::CommonPictures, &core::CommonPicturesFolder, ""},
      {ShellFolder::CommonVideos, &core::CommonVideoFolder, ""},
  };
  auto known = desktop().knownFolders();
  for (const Case& c : cases) {
    desktop().knownFolders() = known;
    core::SetFolders(false);
    EXPECT_NE(*c.folder, c.expected) << "known folder " << static_cast<int>(c.unknown);
    desktop().knownFolders().erase(static_cast<int>(c.unknown));
    core::SetFolders(false);
    EXPECT_EQ(*c.folder, c.expected) << "unknown folder " << static_cast<int>(c.unknown);
  }
  // The fallback slides folder is made; Icons only with "/DEBUG"; Skins never.
  EXPECT_TRUE(process().IsFolder(app + "Slides\\"));
  EXPECT_FALSE(process().IsFolder(app + "Icons\\"));
  EXPECT_FALSE(process().IsFolder(app + "Skins\\"));
  core::SetFolders(true);
  EXPECT_TRUE(process().IsFolder(app + "Icons\\"));
}

TEST_F(FoldersTest, CdDriveIsTheFirstCdRomDriveInLetterOrder) {
  core::SetFolders(false);
  EXPECT_EQ(core::CdDrive, "");
  desktop().cdDrives = {'Z', 'F', 'E'};
  core::SetFolders(false);
  EXPECT_EQ(core::CdDrive, "E:");
  desktop().cdDrives = {'Z'};
  EXPECT_EQ(core::FindCdDrive(), "Z:");
}

}  // namespace
