#include "profile/profile.h"

#include <algorithm>

#include "base/strings.h"
#include "text/A_messages.h"
#include "forms/A_dialogs.h"
#include "forms/A_msg.h"
#include "session/A_paths.h"
#include "session/A_prefs.h"
#include "text/A_translate.h"
#include "app/F_main.h"
#include "store/XRLIniFile.h"
#include "session/command_line.h"
#include "app/hook_state.h"
#include "text/file_filters.h"
#include "tool/tool_kinds.h"
#include "triggers/a_trigger.h"
#include "platform/platform.h"

namespace profile {

std::string ProfilePath;
bool ProfileReadOnly = false;
bool ProfileModified = false;
std::vector<std::string> FactoryProfiles, RecentFactoryProfiles, RecentUserProfiles, RecentProfiles;
std::function<void()> CreateTriggersForButtons;
std::function<void()> RefreshConfigurationWindow;

namespace {

platform::FileSystem& Files() { return platform::os().files(); }

bool Contains(const std::vector<std::string>& list, const std::string& path) {
  return std::any_of(list.begin(), list.end(), [&](const std::string& p) { return base::SamePath(p, path); });
}

std::string ProtectedQuestion() {
  return base::FileNameOf(ProfilePath) + "\r\n" + text::Message(text::MessageId::ProtectedSaveElsewhere);
}

}  // namespace

std::string DefaultProfilePath() { return session::UserProfilesFolder + "Myprofile." + "kvx"; }

std::string ProfileFilter() { return text::FileFilters.profiles; }

void FindFactoryProfiles() {
  FactoryProfiles.clear();
  for (const char* name : {"Internet-Email.kvx", "Media Player.kvx", "MyProfile.kvx", "Windows-Email.kvx"}) {
    std::string path = session::AppProfilesFolder + name;
    if (Files().Exists(path)) FactoryProfiles.push_back(path);
  }
}

bool IsFactoryProfile(const std::string& path) { return Contains(FactoryProfiles, path); }

void LoadProfile() {
  if (app::BatchMode) return;
  ProfileReadOnly = Files().Exists(ProfilePath) && (Files().IsReadOnly(ProfilePath) || IsFactoryProfile(ProfilePath));
  store::TXRLIniFile ini(ProfilePath);
  triggers::LoadTriggers(ini);
  NoteRecentProfile(ProfilePath);
  // Device codes 37 and 38 always carry the help and display-configuration tools.
  const std::pair<int, const char*> fixed[] = {{37, "THelpTool"}, {38, "TConfigTool"}};
  for (auto [code, cls] : fixed) {
    if (tool::ToolPtr tool = tool::CreateToolByName(cls)) {
      triggers::GetOrCreateTrigger(code);
      triggers::BindTool(code, std::move(tool));
    }
  }
  ProfileModified = false;
  platform::os().diagnostics().Note("profile", "loaded " + ProfilePath);
}

bool SaveProfile() {
  store::TXRLIniFile ini = store::TXRLIniFile::Fresh(ProfilePath);
  triggers::SaveTriggers(ini);
  if (!ini.UpdateFile()) {
    platform::os().diagnostics().Note("profile", "save failed " + ProfilePath);
    return false;
  }
  ProfileModified = false;
  NoteRecentProfile(ProfilePath);
  return true;
}

void SaveProfileAs() {
  std::optional<std::string> chosen = forms::ChooseSaveAsProfile();
  if (!chosen) return;
  if (tool::ActiveTool) tool::ActiveTool->Deactivate();
  ProfilePath = *chosen;
  ProfileReadOnly = false;
  SaveProfile();
}

void NewProfile() {
  std::optional<std::string> chosen = forms::ChooseNewProfile();
  if (!chosen) return;
  if (!Files().Exists(*chosen)) Files().ReplaceFile(*chosen, "");
  ChangeProfile(*chosen, 4);
  SaveWithMode(2);
}

void OpenProfile() {
  if (std::optional<std::string> chosen = forms::ChooseOpenProfile()) ChangeProfile(*chosen, 4);
}

void SaveWithMode(int mode) {
  if (app::BatchMode) return;
  switch (mode) {
    case 1:
      SaveProfileAs();
      break;
    case 2:
      if (ProfileModified && !ProfileReadOnly) SaveProfile();
      break;
    case 3:
      if (!ProfileModified) break;
      if (!ProfileReadOnly)
        SaveProfile();
      else if (forms::Ask(ProtectedQuestion()) == forms::AnswerYes)
        SaveProfileAs();
      break;
    case 4:
      if (!ProfileModified) break;
      if (!ProfileReadOnly) {
        if (forms::Ask(text::Message(text::MessageId::SaveChangesQuestion) + " " + base::FileNameOf(ProfilePath) + "?") == forms::AnswerYes)
          SaveProfile();
      } else if (forms::Ask(ProtectedQuestion()) == forms::AnswerYes) {
        SaveProfileAs();
      }
      break;
    default:
      break;
  }
}

void ChangeProfile(const std::string& path, int mode) {
  SaveWithMode(mode);
  if (tool::ActiveTool) tool::ActiveTool->Deactivate();
  triggers::DeleteAllTriggers();
  ProfilePath = path;
  if (CreateTriggersForButtons) CreateTriggersForButtons();
  LoadProfile();
  // The hooks recognise only what the new profile binds.
  app::UpdateHookState(app::HookRefresh);
  if (RefreshConfigurationWindow) RefreshConfigurationWindow();
}

void AddToRecentList(std::vector<std::string>& list, const std::string& path) {
  list.erase(std::remove_if(list.begin(), list.end(), [](const std::string& p) { return !Files().Exists(p); }),
             list.end());
  while (list.size() >= MaxRecentProfiles) list.pop_back();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const std::string& p) { return base::SamePath(p, path); }),
             list.end());
  list.insert(list.begin(), path);
}

void NoteRecentProfile(const std::string& path) {
  if (!Files().Exists(path)) return;
  AddToRecentList(RecentProfiles, path);
  AddToRecentList(IsFactoryProfile(path) ? RecentFactoryProfiles : RecentUserProfiles, path);
}

void ChooseStartupProfile() {
  if (!session::CommandLine.profileArgument.empty()) {
    ProfilePath = session::CommandLine.profileArgument;
    return;
  }
  std::string name = session::Prefs.ConfigFileName.empty() ? DefaultProfilePath() : session::Prefs.ConfigFileName;
  if (base::FileNameOf(name).empty()) {
    ProfilePath = DefaultProfilePath();
  } else if (base::FolderOf(name).empty()) {
    ProfilePath = Files().Exists(session::AppProfilesFolder + name) ? session::AppProfilesFolder + name : session::UserProfilesFolder + name;
  } else {
    ProfilePath = name;
  }
}

std::string ConfigFileNameForSave() {
  if (base::SamePath(base::FolderOf(ProfilePath), session::UserProfilesFolder)) return base::FileNameOf(ProfilePath);
  return ProfilePath;
}

void WriteFileAssociation() {
  auto& shell = platform::os().shell();
  const std::string program = shell.ProgramPath();
  const std::string cls = "Orvanta Nimbra_Config";
  using platform::RegistryRoot;
  bool ok = shell.WriteRegistryDefault(RegistryRoot::ClassesRoot, ".kvx", cls);
  ok = ok && shell.WriteRegistryDefault(RegistryRoot::ClassesRoot, cls, "Orvanta Nimbra configuration file");
  ok = ok && shell.WriteRegistryDefault(RegistryRoot::ClassesRoot, cls + "\\DefaultIcon", program + "," + "0");
  ok = ok && shell.WriteRegistryDefault(RegistryRoot::ClassesRoot, cls + "\\Shell\\Open", "&Open");
  ok = ok && shell.WriteRegistryDefault(RegistryRoot::ClassesRoot, cls + "\\Shell\\Open\\Command",
                                        "\"" + program + "\" \"%1\"");
  // Missing rights are normal for a standard user; the association stays as it was.
  shell.NotifyAssociationsChanged();
}

std::string EditorCaption() {
  std::string name = base::FileNameOf(ProfilePath);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return "Orvanta Nimbra - " + name + (ProfileReadOnly ? " (Read-Only)" : "");
}

}  // namespace profile
