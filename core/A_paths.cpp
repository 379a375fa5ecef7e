#include "core/A_paths.h"

#include <cctype>

#include "platform/platform.h"

namespace core {

std::string AppFolder, AppDataFolder, UserProfilesFolder, AppProfilesFolder, SlidesFolder, TexturesFolder,
    MediaFolder, MusicFolder, VideoFolder, HelpFolder, IconsFolder, SkinsFolder, CommonMusicFolder,
    CommonPicturesFolder, CommonVideoFolder, CdDrive;

std::string UpperCase(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string LowerCase(std::string_view s) {
  std::string out(s);
  for (auto& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool SamePath(std::string_view a, std::string_view b) { return LowerCase(a) == LowerCase(b); }

namespace {

std::string ReplaceNoCase(std::string s, std::string_view what, std::string_view with) {
  std::string low = LowerCase(s);
  std::string key = LowerCase(what);
  std::size_t pos = 0;
  while ((pos = low.find(key, pos)) != std::string::npos) {
    s.replace(pos, what.size(), with);
    low.replace(pos, what.size(), LowerCase(with));
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

std::string FolderOf(std::string_view path) {
  std::size_t slash = path.find_last_of("\\:");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string FileNameOf(std::string_view path) {
  std::size_t slash = path.find_last_of("\\:");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOf(std::string_view path) {
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeExtension(std::string_view path, std::string_view ext) {
  std::string folder = FolderOf(path);
  std::string name = FileNameOf(path);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return folder + name + std::string(ext);
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
  AppFolder = FolderOf(shell.ProgramPath());
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

}  // namespace core
