// The current profile: its path and state, load and save through the trigger
// table, the save modes with their questions, changing profile, the recent lists
// and the ".kvx" file association.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace profile {

extern std::string ProfilePath;
extern bool ProfileReadOnly;
extern bool ProfileModified;
extern std::vector<std::string> FactoryProfiles;
extern std::vector<std::string> RecentFactoryProfiles;
extern std::vector<std::string> RecentUserProfiles;
extern std::vector<std::string> RecentProfiles;

inline constexpr int MaxRecentProfiles = 20;

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
void NoteRecentProfile(const std::string& path);
void AddToRecentList(std::vector<std::string>& list, const std::string& path);

// Start-up choice of ProfilePath from the command line and "ConfigFileName".
void ChooseStartupProfile();
std::string ConfigFileNameForSave();

void WriteFileAssociation();
std::string EditorCaption();

// Editor steps of ChangeProfile that the editor window fills.
extern std::function<void()> CreateTriggersForButtons;
extern std::function<void()> RefreshConfigurationWindow;

}  // namespace profile
