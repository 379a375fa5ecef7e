#include "session/A_paths.h"

#include "base/strings.h"
#include "platform/platform.h"
#include "session/session_state.h"

namespace session {

TFolders& Folders() { return State().folders; }

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
  std::string s = ReplaceNoCase(std::string(path), "{app}", Folders().AppFolder);
  s = ReplaceNoCase(std::move(s), "{userappdata}", Folders().AppDataFolder);
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
  TFolders& f = Folders();
  f.AppFolder = base::FolderOf(shell.ProgramPath());
  f.AppDataFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::AppData));
  // Without an application-data folder the profiles stay beside the program.
  if (f.AppDataFolder.empty()) f.AppDataFolder = f.AppFolder;
  f.UserProfilesFolder = ExpandFolderMacros("{userappdata}\\Orvanta Nimbra\\Profiles\\");
  f.AppProfilesFolder = ExpandFolderMacros("{app}\\Profiles\\");
  std::string pictures = shell.KnownFolder(platform::ShellFolder::MyPictures);
  f.SlidesFolder = pictures.empty() ? f.AppFolder + "Slides\\" : WithBackslash(pictures);
  f.TexturesFolder = f.AppFolder + "Textures\\";
  f.MediaFolder = f.AppFolder + "Media\\";
  std::string music = shell.KnownFolder(platform::ShellFolder::MyMusic);
  f.MusicFolder = music.empty() ? f.MediaFolder : WithBackslash(music);
  std::string videos = shell.KnownFolder(platform::ShellFolder::MyVideos);
  f.VideoFolder = videos.empty() ? f.MediaFolder : WithBackslash(videos);
  f.HelpFolder = f.AppFolder + "Help\\";
  f.IconsFolder = f.AppFolder + "Icons\\";
  f.SkinsFolder = f.AppFolder + "Skins\\";
  f.CommonMusicFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::CommonMusic));
  f.CommonPicturesFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::CommonPictures));
  f.CommonVideoFolder = WithBackslash(shell.KnownFolder(platform::ShellFolder::CommonVideos));
  f.CdDrive = FindCdDrive();

  for (const std::string* folder : {&f.UserProfilesFolder, &f.AppProfilesFolder, &f.TexturesFolder, &f.MediaFolder, &f.HelpFolder})
    if (!files.IsFolder(*folder)) files.CreateFolders(*folder);
  if (pictures.empty() && !files.IsFolder(f.SlidesFolder)) files.CreateFolders(f.SlidesFolder);
  if (createIconsFolder && !files.IsFolder(f.IconsFolder)) files.CreateFolders(f.IconsFolder);
}

}  // namespace session
