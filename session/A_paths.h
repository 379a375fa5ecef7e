// The folders the program works in. Every folder ends with a backslash.
#pragma once
#include <string>
#include <string_view>

namespace session {

extern std::string AppFolder;
extern std::string AppDataFolder;
extern std::string UserProfilesFolder;
extern std::string AppProfilesFolder;
extern std::string SlidesFolder;
extern std::string TexturesFolder;
extern std::string MediaFolder;
extern std::string MusicFolder;
extern std::string VideoFolder;
extern std::string HelpFolder;
extern std::string IconsFolder;
extern std::string SkinsFolder;
// The all-users music, pictures and video folders; empty when the shell does not know them.
extern std::string CommonMusicFolder;
extern std::string CommonPicturesFolder;
extern std::string CommonVideoFolder;
// The first CD-ROM drive as a letter and a colon ("D:"); empty if there is none.
extern std::string CdDrive;

// "{app}" and "{userappdata}" in any letter case, then "\\" collapsed.
std::string ExpandFolderMacros(std::string_view path);
// Computes the folders and creates those that must exist.
void SetFolders(bool createIconsFolder);
// The first drive, in letter order, that the system reports as a CD-ROM drive.
std::string FindCdDrive();


}  // namespace session
