#include "forms/A_dialogs.h"

#include "base/strings.h"
#include "text/file_filters.h"

#include "forms/A_msg.h"
#include "session/A_paths.h"
#include "text/A_translate.h"
#include "profile/profile.h"
#include "platform/platform.h"

namespace forms {
namespace {

std::optional<std::string> Run(const platform::FileDialogSpec& spec, const platform::FileDialogCheck& check = {}) {
  return platform::os().forms().ChooseFile(spec, check);
}


bool ChooseInto(std::string& path, platform::FileDialogSpec spec, const std::string& fallbackFolder) {
  spec.initialFolder = path.empty() ? fallbackFolder : base::FolderOf(path);
  spec.fileName = path.empty() ? std::string() : base::FileNameOf(path);
  spec.hideReadOnly = true;
  spec.pathMustExist = true;
  spec.fileMustExist = true;
  auto chosen = Run(spec);
  if (!chosen) return false;
  path = base::LowerCase(*chosen);
  return true;
}

platform::FileDialogSpec ProfileDialog(const char* name, const char* title, platform::FileDialogKind kind) {
  platform::FileDialogSpec s;
  s.kind = kind;
  s.name = name;
  s.title = text::Translate(title);
  s.filter = profile::ProfileFilter();
  s.defaultExt = "kvx";
  s.initialFolder = session::UserProfilesFolder;
  return s;
}

}  // namespace

// The filters are built with the translation at start-up; a dialog opened
// before that (a test, say) builds them first.
const text::TFileFilters& Filters() {
  if (text::FileFilters.pictures.empty()) text::BuildFileFilters();
  return text::FileFilters;
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

bool ChoosePicture(std::string& path) { return ChoosePictureFile(path, session::SlidesFolder); }

bool ChooseTexture(std::string& path) { return ChoosePictureFile(path, session::TexturesFolder); }

bool ChooseMedia(std::string& path) {
  platform::FileDialogSpec s;
  s.name = "MediaDialog";
  s.title = text::Translate("Open");
  s.filter = MediaFilter();
  s.defaultExt = "wmv";
  return ChooseInto(path, s, session::VideoFolder);
}

std::optional<std::string> ChooseSaveAsProfile() {
  auto s = ProfileDialog("SaveDialog", "Save As", platform::FileDialogKind::Save);
  s.overwritePrompt = true;
  s.hideReadOnly = true;
  s.pathMustExist = true;
  s.noReadOnlyReturn = true;
  return Run(s, [](const std::string& path) {
    std::string profile = base::ChangeExtension(path, ".kvx");
    if (!profile::IsFactoryProfile(profile)) return true;
    ShowMessage(base::FileNameOf(profile) + "\r\n" + text::Translate("This file is protected. Please use a different filename."));
    return false;
  });
}

std::optional<std::string> ChooseNewProfile() {
  auto s = ProfileDialog("NewDialog", "New", platform::FileDialogKind::Save);
  s.pathMustExist = true;
  s.noReadOnlyReturn = true;
  return Run(s, [](const std::string& path) {
    std::string profile = base::ChangeExtension(path, ".kvx");
    if (!platform::os().files().Exists(profile)) return true;
    ShowMessage(base::FileNameOf(profile) + "\r\n" + text::Translate("This file already exists. Please type a new filename."));
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

}  // namespace forms
