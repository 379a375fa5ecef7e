// The current profile: its path and state, load and save through the trigger
// table, the save modes with their questions, changing profile, the recent lists
// and the ".kvx" file association.
#pragma once
#include <string>
#include <vector>

namespace base {
class ProgramSteps;
}

namespace profile {

// What the profile asks of the program around it: the editor's part of a
// change of profile. The program implements it (app/).
class ProfileHost {
 public:
  virtual ~ProfileHost() = default;
  // Before the new profile loads: the triggers of the toolbar buttons.
  virtual void CreateTriggersForButtons() = 0;
  // After it loaded: the hooks recognise what it binds, the editor shows it.
  virtual void ProfileChanged() = 0;
};

// The room's state. Whether the profile has unsaved changes is the trigger
// table's ProfileModified: every change goes through the table.
struct ProfileState {
  std::string ProfilePath;
  bool ProfileReadOnly = false;
  std::vector<std::string> FactoryProfiles;  // the factory profiles that exist
  ProfileHost* host = nullptr;
};

ProfileState& State();
// The program's host; aborts when the program has not set one.
ProfileHost& Host();

// "Set Constants" (the factory profiles, the ".kvx" association), "Load
// Preferences" (the start-up profile), "Load Profile" and, at "Finish
// Translation", the profile lists.
void RegisterSteps(base::ProgramSteps& steps);

std::string DefaultProfilePath();
std::string ProfileFilter();
void FindFactoryProfiles();
bool IsFactoryProfile(const std::string& path);

void LoadProfile();
// False when the file could not be written: the old file stays and the profile
// stays modified.
bool SaveProfile();
// Asks for a new name in the Save As dialog (a factory profile's name is
// refused there), then saves there; cancelled, nothing is saved.
void SaveProfileAs();
// The editor's New and Open: a dialog, then a change of profile (mode 4).
void NewProfile();
void OpenProfile();
void SaveWithMode(int mode);
void ChangeProfile(const std::string& path, int mode);
// The recent lists (session::Recent()) learn of a profile that exists.
void NoteRecentProfile(const std::string& path);
void AddToRecentList(std::vector<std::string>& list, const std::string& path);

// Start-up choice of ProfilePath from the command line and "ConfigFileName".
void ChooseStartupProfile();
std::string ConfigFileNameForSave();

void WriteFileAssociation();
std::string EditorCaption();

}  // namespace profile
