#include "profile/profile_dialogs.h"

#include "base/strings.h"
#include "forms/A_dialogs.h"
#include "forms/A_msg.h"
#include "platform/platform.h"
#include "profile/profile.h"
#include "session/A_paths.h"
#include "text/A_translate.h"

namespace profile {
namespace {

platform::FileDialogSpec ProfileDialog(const char* name, const char* title, platform::FileDialogKind kind) {
  platform::FileDialogSpec s;
  s.kind = kind;
  s.name = name;
  s.title = text::Translate(title);
  s.filter = ProfileFilter();
  s.defaultExt = "kvx";
  s.initialFolder = session::Folders().UserProfilesFolder;
  return s;
}

}  // namespace

std::optional<std::string> ChooseSaveAsProfile() {
  auto s = ProfileDialog("SaveDialog", "Save As", platform::FileDialogKind::Save);
  s.overwritePrompt = true;
  s.hideReadOnly = true;
  s.pathMustExist = true;
  s.noReadOnlyReturn = true;
  return forms::ChooseFile(s, [](const std::string& path) {
    std::string profile = base::ChangeExtension(path, ".kvx");
    if (!IsFactoryProfile(profile)) return true;
    forms::ShowMessage(base::FileNameOf(profile) + "\r\n" + text::Translate("This file is protected. Please use a different filename."));
    return false;
  });
}

std::optional<std::string> ChooseNewProfile() {
  auto s = ProfileDialog("NewDialog", "New", platform::FileDialogKind::Save);
  s.pathMustExist = true;
  s.noReadOnlyReturn = true;
  return forms::ChooseFile(s, [](const std::string& path) {
    std::string profile = base::ChangeExtension(path, ".kvx");
    if (!platform::os().files().Exists(profile)) return true;
    forms::ShowMessage(base::FileNameOf(profile) + "\r\n" + text::Translate("This file already exists. Please type a new filename."));
    return false;
  });
}

std::optional<std::string> ChooseOpenProfile() {
  auto s = ProfileDialog("OpenDialog", "Open", platform::FileDialogKind::Open);
  s.hideReadOnly = true;
  s.pathMustExist = true;
  s.fileMustExist = true;
  return forms::ChooseFile(s);
}

}  // namespace profile
