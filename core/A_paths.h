// The folders the program works in. Every folder ends with a backslash.
#pragma once
#include <string>
#include <string_view>

namespace core {

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

// Path helpers of the system's string conventions.
std::string FolderOf(std::string_view path);     // with the trailing backslash
std::string FileNameOf(std::string_view path);
std::string ChangeExtension(std::string_view path, std::string_view ext);  // ext with its dot
std::string ExtensionOf(std::string_view path);  // with its dot, as written
bool SamePath(std::string_view a, std::string_view b);  // compared without case
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);

}  // namespace core
