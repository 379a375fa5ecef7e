#include "core/profile.h"

#include <algorithm>

#include "core/A_messages.h"
#include "core/A_dialogs.h"
#include "core/A_msg.h"
#include "core/A_paths.h"
#include "core/A_prefs.h"
#include "core/A_translate.h"
#include "core/F_main.h"
#include "core/XRLIniFile.h"
#include "core/command_line.h"
#include "core/hook_state.h"
#include "core/file_filters.h"
#include "core/tool_kinds.h"
#include "input/a_trigger.h"
#include "platform/platform.h"

namespace core {

std::string ProfilePath;
bool ProfileReadOnly = false;
bool ProfileModified = false;
std::vector<std::string> FactoryProfiles, RecentFactoryProfiles, RecentUserProfiles, RecentProfiles;
std::function<void()> CreateTriggersForButtons;
std::function<void()> RefreshConfigurationWindow;

namespace {

platform::FileSystem& Files() { return platform::os().files(); }

bool Contains(const std::vector<std::string>& list, const std::string& path) {
  return std::any_of(list.begin(), list.end(), [&](const std::string& p) { return SamePath(p, path); });
}

std::string ProtectedQuestion() {
  return FileNameOf(ProfilePath) + "\r\n" + Message(MessageId::ProtectedSaveElsewhere);
}

}  // namespace

std::string DefaultProfilePath() { return UserProfilesFolder + "Myprofile." + "kvx"; }

std::string ProfileFilter() { return FileFilters.profiles; }

void FindFactoryProfiles() {
  FactoryProfiles.clear();
  for (const char* name : {"Internet-Email.kvx", "Media Player.kvx", "MyProfile.kvx", "Windows-Email.kvx"}) {
    std::string path = AppProfilesFolder + name;
    if (Files().Exists(path)) FactoryProfiles.push_back(path);
  }
}

bool IsFactoryProfile(const std::string& path) { return Contains(FactoryProfiles, path); }

void LoadProfile() {
  if (BatchMode) return;
  ProfileReadOnly = Files().Exists(ProfilePath) && (Files().IsReadOnly(ProfilePath) || IsFactoryProfile(ProfilePath));
  TXRLIniFile ini(ProfilePath);
  input::LoadTriggers(ini);
  NoteRecentProfile(ProfilePath);
  // Device codes 37 and 38 always carry the help and display-configuration tools.
  const std::pair<int, const char*> fixed[] = {{37, "THelpTool"}, {38, "TConfigTool"}};
  for (auto [code, cls] : fixed) {
    if (ToolPtr tool = CreateToolByName(cls)) {
      input::GetOrCreateTrigger(code);
      input::BindTool(code, std::move(tool));
    }
  }
  ProfileModified = false;
  platform::os().diagnostics().Note("profile", "loaded " + ProfilePath);
}

bool SaveProfile() {
  TXRLIniFile ini = TXRLIniFile::Fresh(ProfilePath);
  input::SaveTriggers(ini);
  if (!ini.UpdateFile()) {
    platform::os().diagnostics().Note("profile", "save failed " + ProfilePath);
    return false;
  }
  ProfileModified = false;
  NoteRecentProfile(ProfilePath);
  return true;
}

void SaveProfileAs() {
  std::optional<std::string> chosen = ChooseSaveAsProfile();
  if (!chosen) return;
  if (ActiveTool) ActiveTool->Deactivate();
  ProfilePath = *chosen;
  ProfileReadOnly = false;
  SaveProfile();
}

void NewProfile() {
  std::optional<std::string> chosen = ChooseNewProfile();
  if (!chosen) return;
  if (!Files().Exists(*chosen)) Files().ReplaceFile(*chosen, "");
  ChangeProfile(*chosen, 4);
  SaveWithMode(2);
}

void OpenProfile() {
  if (std::optional<std::string> chosen = ChooseOpenProfile()) ChangeProfile(*chosen, 4);
}

void SaveWithMode(int mode) {
  if (BatchMode) return;
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
      else if (Ask(ProtectedQuestion()) == AnswerYes)
        SaveProfileAs();
      break;
    case 4:
      if (!ProfileModified) break;
      if (!ProfileReadOnly) {
        if (Ask(Message(MessageId::SaveChangesQuestion) + " " + FileNameOf(ProfilePath) + "?") == AnswerYes)
          SaveProfile();
      } else if (Ask(ProtectedQuestion()) == AnswerYes) {
        SaveProfileAs();
      }
      break;
    default:
      break;
  }
}

void ChangeProfile(const std::string& path, int mode) {
  SaveWithMode(mode);
  if (ActiveTool) ActiveTool->Deactivate();
  input::DeleteAllTriggers();
  ProfilePath = path;
  if (CreateTriggersForButtons) CreateTriggersForButtons();
  LoadProfile();
  // The hooks recognise only what the new profile binds.
  UpdateHookState(HookRefresh);
  if (RefreshConfigurationWindow) RefreshConfigurationWindow();
}

void AddToRecentList(std::vector<std::string>& list, const std::string& path) {
  list.erase(std::remove_if(list.begin(), list.end(), [](const std::string& p) { return !Files().Exists(p); }),
             list.end());
  while (list.size() >= MaxRecentProfiles) list.pop_back();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const std::string& p) { return SamePath(p, path); }),
             list.end());
  list.insert(list.begin(), path);
}

void NoteRecentProfile(const std::string& path) {
  if (!Files().Exists(path)) return;
  AddToRecentList(RecentProfiles, path);
  AddToRecentList(IsFactoryProfile(path) ? RecentFactoryProfiles : RecentUserProfiles, path);
}

void ChooseStartupProfile() {
  if (!CommandLine.profileArgument.empty()) {
    ProfilePath = CommandLine.profileArgument;
    return;
  }
  std::string name = Prefs.ConfigFileName.empty() ? DefaultProfilePath() : Prefs.ConfigFileName;
  if (FileNameOf(name).empty()) {
    ProfilePath = DefaultProfilePath();
  } else if (FolderOf(name).empty()) {
    ProfilePath = Files().Exists(AppProfilesFolder + name) ? AppProfilesFolder + name : UserProfilesFolder + name;
  } else {
    ProfilePath = name;
  }
}

std::string ConfigFileNameForSave() {
  if (SamePath(FolderOf(ProfilePath), UserProfilesFolder)) return FileNameOf(ProfilePath);
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
  std::string name = FileNameOf(ProfilePath);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return "Orvanta Nimbra - " + name + (ProfileReadOnly ? " (Read-Only)" : "");
}

}  // namespace core
