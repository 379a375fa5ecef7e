// The folders the program works in. Every folder ends with a backslash.
#pragma once
#include <string>
#include <string_view>

namespace session {

struct TFolders {
  std::string AppFolder;
  std::string AppDataFolder;
  std::string UserProfilesFolder;
  std::string AppProfilesFolder;
  std::string SlidesFolder;
  std::string TexturesFolder;
  std::string MediaFolder;
  std::string MusicFolder;
  std::string VideoFolder;
  std::string HelpFolder;
  std::string IconsFolder;
  std::string SkinsFolder;
  // The all-users music, pictures and video folders; empty when the shell does not know them.
  std::string CommonMusicFolder;
  std::string CommonPicturesFolder;
  std::string CommonVideoFolder;
  // The first CD-ROM drive as a letter and a colon ("D:"); empty if there is none.
  std::string CdDrive;
};

// This program's folders (empty until SetFolders).
TFolders& Folders();

// "{app}" and "{userappdata}" in any letter case, then "\\" collapsed.
std::string ExpandFolderMacros(std::string_view path);
// Computes the folders and creates those that must exist.
void SetFolders(bool createIconsFolder);
// The first drive, in letter order, that the system reports as a CD-ROM drive.
std::string FindCdDrive();

}  // namespace session
