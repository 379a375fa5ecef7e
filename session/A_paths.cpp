#include "session/A_paths.h"


#include "base/strings.h"
#include "platform/platform.h"

namespace session {

std::string AppFolder, AppDataFolder, UserProfilesFolder, AppProfilesFolder, SlidesFolder, TexturesFolder,
    MediaFolder, MusicFolder, VideoFolder, HelpFolder, IconsFolder, SkinsFolder, CommonMusicFolder,
    CommonPicturesFolder, CommonVideoFolder, CdDrive;

namespace {

std::string ReplaceNoCase(std::string s, std::string_view what, std::string_view with) {
  std::string low = base::LowerCase(s);
  std::string key = base::LowerCase(what);
  std::size_t pos = 0;
  while ((pos = low.find(key, pos)) != std::string::npos) {
    s.replace(pos, what.size(), with);
    low.replace(pos, what.size(), base::LowerCase(with));
    pos += with.size();
  }
  return s;
}

std::string WithBackslash(std::string s) {
  if (!s.empty() && s.back() != '\\') s.push_back('\\');
  return s;
}

}  // namespace

std::string ExpandFolderMacros(std::string_view path) {
  std::string s = ReplaceNoCase(std::string(path), "{app}", AppFolder);
  s = ReplaceNoCase(std::move(s), "{userappdata}", AppDataFolder);
  std::string out;
  out.reserve(s.size());
  for (char c : s)
    if (!(c == '\\' && !out.empty() && out.back() == '\\')) out.push_back(c);
  return out;
}

std::string FindCdDrive() {
  auto& shell = platform::os().shell();
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (shell.IsCdDrive(letter)) return std::string(1, letter) + ":";
  return {};
}

void SetFolders(bool createIconsFolder) {
  auto& shell = platform::os().shell();
  auto& files = platform::os().files();
  AppFolder = base::FolderOf(shell.ProgramPath());
  AppDataFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::AppData));
  // Without an application-data folder the profiles stay beside the program.
  if (AppDataFolder.empty()) AppDataFolder = AppFolder;
  UserProfilesFolder = ExpandFolderMacros("{userappdata}\\Orvanta Nimbra\\Profiles\\");
  AppProfilesFolder = ExpandFolderMacros("{app}\\Profiles\\");
  std::string pictures = shell.KnownFolder(platform::ShellFolder::MyPictures);
  SlidesFolder = pictures.empty() ? AppFolder + "Slides\\" : WithBackslash(pictures);
  TexturesFolder = AppFolder + "Textures\\";
  MediaFolder = AppFolder + "Media\\";
  std::string music = shell.KnownFolder(platform::ShellFolder::MyMusic);
  MusicFolder = music.empty() ? MediaFolder : WithBackslash(music);
  std::string videos = shell.KnownFolder(platform::ShellFolder::MyVideos);
  VideoFolder = videos.empty() ? MediaFolder : WithBackslash(videos);
  HelpFolder = AppFolder + "Help\\";
  IconsFolder = AppFolder + "Icons\\";
  SkinsFolder = AppFolder + "Skins\\";
  CommonMusicFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::CommonMusic));
  CommonPicturesFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::CommonPictures));
  CommonVideoFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::CommonVideos));
  CdDrive = FindCdDrive();

  for (const std::string* f : {&UserProfilesFolder, &AppProfilesFolder, &TexturesFolder, &MediaFolder, &HelpFolder})
    if (!files.IsFolder(*f)) files.CreateFolders(*f);
  if (pictures.empty() && !files.IsFolder(SlidesFolder)) files.CreateFolders(SlidesFolder);
  if (createIconsFolder && !files.IsFolder(IconsFolder)) files.CreateFolders(IconsFolder);
}

}  // namespace session
