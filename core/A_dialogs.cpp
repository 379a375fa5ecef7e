#include "core/A_dialogs.h"

#include "core/file_filters.h"

#include "core/A_msg.h"
#include "core/A_paths.h"
#include "core/A_translate.h"
#include "core/profile.h"
#include "platform/platform.h"

namespace core {
namespace {

std::optional<std::string> Run(const platform::FileDialogSpec& spec, const platform::FileDialogCheck& check = {}) {
  return platform::os().forms().ChooseFile(spec, check);
}


bool ChooseInto(std::string& path, platform::FileDialogSpec spec, const std::string& fallbackFolder) {
  spec.initialFolder = path.empty() ? fallbackFolder : FolderOf(path);
  spec.fileName = path.empty() ? std::string() : FileNameOf(path);
  spec.hideReadOnly = true;
  spec.pathMustExist = true;
  spec.fileMustExist = true;
  auto chosen = Run(spec);
  if (!chosen) return false;
  path = LowerCase(*chosen);
  return true;
}

platform::FileDialogSpec ProfileDialog(const char* name, const char* title, platform::FileDialogKind kind) {
  platform::FileDialogSpec s;
  s.kind = kind;
  s.name = name;
  s.title = Translate(title);
  s.filter = ProfileFilter();
  s.defaultExt = "kvx";
  s.initialFolder = UserProfilesFolder;
  return s;
}

}  // namespace

// The filters are built with the translation at start-up; a dialog opened
// before that (a test, say) builds them first.
const TFileFilters& Filters() {
  if (FileFilters.pictures.empty()) BuildFileFilters();
  return FileFilters;
}

std::string PictureFilter() { return Filters().pictures; }

std::string MediaFilter() { return Filters().media; }

// Pictures and textures share one dialog; only the folder it starts in differs.
static bool ChoosePictureFile(std::string& path, const std::string& fallbackFolder) {
  platform::FileDialogSpec s;
  s.name = "OpenPictureDialog";
  s.filter = PictureFilter();
  s.defaultExt = "bmp";
  return ChooseInto(path, s, fallbackFolder);
}

bool ChoosePicture(std::string& path) { return ChoosePictureFile(path, SlidesFolder); }

bool ChooseTexture(std::string& path) { return ChoosePictureFile(path, TexturesFolder); }

bool ChooseMedia(std::string& path) {
  platform::FileDialogSpec s;
  s.name = "MediaDialog";
  s.title = Translate("Open");
  s.filter = MediaFilter();
  s.defaultExt = "wmv";
  return ChooseInto(path, s, VideoFolder);
}

std::optional<std::string> ChooseSaveAsProfile() {
  auto s = ProfileDialog("SaveDialog", "Save As", platform::FileDialogKind::Save);
  s.overwritePrompt = true;
  s.hideReadOnly = true;
  s.pathMustExist = true;
  s.noReadOnlyReturn = true;
  return Run(s, [](const std::string& path) {
    std::string profile = ChangeExtension(path, ".kvx");
    if (!IsFactoryProfile(profile)) return true;
    ShowMessage(FileNameOf(profile) + "\r\n" + Translate("This file is protected. Please use a different filename."));
    return false;
  });
}

std::optional<std::string> ChooseNewProfile() {
  auto s = ProfileDialog("NewDialog", "New", platform::FileDialogKind::Save);
  s.pathMustExist = true;
  s.noReadOnlyReturn = true;
  return Run(s, [](const std::string& path) {
    std::string profile = ChangeExtension(path, ".kvx");
    if (!platform::os().files().Exists(profile)) return true;
    ShowMessage(FileNameOf(profile) + "\r\n" + Translate("This file already exists. Please type a new filename."));
    return false;
  });
}

std::optional<std::string> ChooseOpenProfile() {
  auto s = ProfileDialog("OpenDialog", "Open", platform::FileDialogKind::Open);
  s.hideReadOnly = true;
  s.pathMustExist = true;
  s.fileMustExist = true;
  return Run(s);
}

}  // namespace core
