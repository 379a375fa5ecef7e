#include "profile/profile.h"

#include <algorithm>

#include <cstdio>
#include <cstdlib>

#include "base/program_state.h"
#include "base/program_steps.h"
#include "base/strings.h"
#include "forms/A_msg.h"
#include "platform/platform.h"
#include "profile/profile_dialogs.h"
#include "session/A_paths.h"
#include "session/A_prefs.h"
#include "session/command_line.h"
#include "shared/event_codes.h"
#include "store/XRLIniFile.h"
#include "text/A_messages.h"
#include "text/file_filters.h"
#include "tool/T_tool.h"
#include "tool/tool_kinds.h"
#include "triggers/a_trigger.h"

namespace profile {

ProfileState& State() { return base::CurrentProgram().Get<ProfileState>(); }

ProfileHost& Host() {
  ProfileHost* host = State().host;
  if (!host) {
    std::fputs("the program set no host for its profile\n", stderr);
    std::abort();
  }
  return *host;
}

void RegisterSteps(base::ProgramSteps& steps) {
  steps.Add("Set Constants", [] {
    FindFactoryProfiles();
    WriteFileAssociation();
  });
  steps.Add("Load Preferences", ChooseStartupProfile);
  steps.Add("Load Profile", LoadProfile);
  steps.Add("Finish Translation", [] {
    State().FactoryProfiles.clear();
    session::Recent() = {};
  });
}

namespace {

platform::FileSystem& Files() { return platform::os().files(); }

bool Contains(const std::vector<std::string>& list, const std::string& path) {
  return std::any_of(list.begin(), list.end(), [&](const std::string& p) { return base::SamePath(p, path); });
}

std::string ProtectedQuestion() {
  return base::FileNameOf(State().ProfilePath) + "\r\n" + text::Message(text::MessageId::ProtectedSaveElsewhere);
}

}  // namespace

std::string DefaultProfilePath() { return session::Folders().UserProfilesFolder + "Myprofile." + "kvx"; }

std::string ProfileFilter() { return text::FileFilters().profiles; }

void FindFactoryProfiles() {
  State().FactoryProfiles.clear();
  for (const char* name : {"Internet-Email.kvx", "Media Player.kvx", "MyProfile.kvx", "Windows-Email.kvx"}) {
    std::string path = session::Folders().AppProfilesFolder + name;
    if (Files().Exists(path)) State().FactoryProfiles.push_back(path);
  }
}

bool IsFactoryProfile(const std::string& path) { return Contains(State().FactoryProfiles, path); }

void LoadProfile() {
  if (session::BatchMode()) return;
  State().ProfileReadOnly = Files().Exists(State().ProfilePath) && (Files().IsReadOnly(State().ProfilePath) || IsFactoryProfile(State().ProfilePath));
  store::TXRLIniFile ini(State().ProfilePath);
  triggers::LoadTriggers(ini);
  NoteRecentProfile(State().ProfilePath);
  // Two device codes always carry the help and display-configuration tools.
  const std::pair<int, const char*> fixed[] = {{shared::EvHelpButton, "THelpTool"},
                                               {shared::EvDisplayConfigButton, "TConfigTool"}};
  for (auto [code, cls] : fixed) {
    if (tool::ToolPtr tool = tool::CreateToolByName(cls)) {
      triggers::GetOrCreateTrigger(code);
      triggers::BindTool(code, std::move(tool));
    }
  }
  triggers::State().ProfileModified = false;
  platform::os().diagnostics().Note("profile", "loaded " + State().ProfilePath);
}

bool SaveProfile() {
  store::TXRLIniFile ini = store::TXRLIniFile::Fresh(State().ProfilePath);
  triggers::SaveTriggers(ini);
  if (!ini.UpdateFile()) {
    platform::os().diagnostics().Note("profile", "save failed " + State().ProfilePath);
    return false;
  }
  triggers::State().ProfileModified = false;
  NoteRecentProfile(State().ProfilePath);
  return true;
}

void SaveProfileAs() {
  std::optional<std::string> chosen = ChooseSaveAsProfile();
  if (!chosen) return;
  if (tool::ActiveTool()) tool::ActiveTool()->Deactivate();
  State().ProfilePath = *chosen;
  State().ProfileReadOnly = false;
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
  if (session::BatchMode()) return;
  switch (mode) {
    case 1:
      SaveProfileAs();
      break;
    case 2:
      if (triggers::State().ProfileModified && !State().ProfileReadOnly) SaveProfile();
      break;
    case 3:
      if (!triggers::State().ProfileModified) break;
      if (!State().ProfileReadOnly)
        SaveProfile();
      else if (forms::Ask(ProtectedQuestion()) == forms::AnswerYes)
        SaveProfileAs();
      break;
    case 4:
      if (!triggers::State().ProfileModified) break;
      if (!State().ProfileReadOnly) {
        if (forms::Ask(text::Message(text::MessageId::SaveChangesQuestion) + " " + base::FileNameOf(State().ProfilePath) + "?") == forms::AnswerYes)
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
  if (tool::ActiveTool()) tool::ActiveTool()->Deactivate();
  triggers::DeleteAllTriggers();
  State().ProfilePath = path;
  Host().CreateTriggersForButtons();
  LoadProfile();
  // The hooks recognise only what the new profile binds.
  Host().ProfileChanged();
}

void AddToRecentList(std::vector<std::string>& list, const std::string& path) {
  list.erase(std::remove_if(list.begin(), list.end(), [](const std::string& p) { return !Files().Exists(p); }),
             list.end());
  while (list.size() >= session::MaxRecentProfiles) list.pop_back();
  list.erase(std::remove_if(list.begin(), list.end(), [&](const std::string& p) { return base::SamePath(p, path); }),
             list.end());
  list.insert(list.begin(), path);
}

void NoteRecentProfile(const std::string& path) {
  if (!Files().Exists(path)) return;
  AddToRecentList(session::Recent().RecentProfiles, path);
  AddToRecentList(IsFactoryProfile(path) ? session::Recent().RecentFactoryProfiles : session::Recent().RecentUserProfiles, path);
}

void ChooseStartupProfile() {
  if (!session::CommandLine().profileArgument.empty()) {
    State().ProfilePath = session::CommandLine().profileArgument;
    return;
  }
  std::string name = session::Prefs().ConfigFileName.empty() ? DefaultProfilePath() : session::Prefs().ConfigFileName;
  if (base::FileNameOf(name).empty()) {
    State().ProfilePath = DefaultProfilePath();
  } else if (base::FolderOf(name).empty()) {
    State().ProfilePath = Files().Exists(session::Folders().AppProfilesFolder + name) ? session::Folders().AppProfilesFolder + name : session::Folders().UserProfilesFolder + name;
  } else {
    State().ProfilePath = name;
  }
}

std::string ConfigFileNameForSave() {
  if (base::SamePath(base::FolderOf(State().ProfilePath), session::Folders().UserProfilesFolder)) return base::FileNameOf(State().ProfilePath);
  return State().ProfilePath;
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
  std::string name = base::FileNameOf(State().ProfilePath);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.resize(dot);
  return "Orvanta Nimbra - " + name + (State().ProfileReadOnly ? " (Read-Only)" : "");
}

}  // namespace profile
