#include "session/A_prefs.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "base/strings.h"
#include "session/A_paths.h"
#include "store/XRLIniFile.h"
#include "profile/profile.h"
#include "platform/platform.h"

namespace session {

TPreferences Prefs;

namespace {

struct IntRange {
  int min, max;
};

// One row per key, in the order written. An int row may carry limits.
struct Setting {
  const char* section;
  const char* key;
  std::variant<bool TPreferences::*, int TPreferences::*> field;
  IntRange range{-2147483647 - 1, 2147483647};
};

const std::vector<Setting>& Settings() {
  using P = TPreferences;
  static const std::vector<Setting> table = {
      {"#C", "SwivoRemoteEnabled", &P::SwivoRemoteEnabled},
      {"#C", "SwivoMouseEnabled", &P::SwivoMouseEnabled},
      {"#C", "ShowMCETools", &P::ShowMCETools},
      {"#H", "FormLeft", &P::FormLeft},
      {"#H", "FormTop", &P::FormTop},
      {"#H", "ShowHints", &P::ShowHints},
      {"#H", "ShowTips", &P::ShowTips},
      {"#H", "NextTipNum", &P::NextTipNum},
      {"#H", "StartMinimized", &P::StartMinimized},
      {"#H", "TrayIcon", &P::TrayIcon},
      {"#H", "AutoConfigure", &P::AutoConfigure},
      {"#H", "VideoFreezeWarning", &P::VideoFreezeWarning},
      {"#H", "ForcePrevious", &P::ForcePrevious},
      {"#H", "HotspotCornerSize", &P::HotspotCornerSize, {1, 50}},
      {"#H", "HotspotHoldTime", &P::HotspotHoldTime, {0, 5000}},
      {"#H", "DeviceButtonsEnabled", &P::DeviceButtonsEnabled},
      {"#H", "MouseClicksEnabled", &P::MouseClicksEnabled},
      {"#H", "RGesturesEnabled", &P::RGesturesEnabled},
      {"#H", "ShakeGesturesEnabled", &P::ShakeGesturesEnabled},
      {"#H", "HotspotsEnabled", &P::HotspotsEnabled},
      {"#H", "PowerpointEnabled", &P::PowerpointEnabled},
      {"#H", "ScheduledEnabled", &P::ScheduledEnabled},
      {"#H", "KeystrokesEnabled", &P::KeystrokesEnabled},
      {"#H", "GestureSensitivity", &P::GestureSensitivity, {0, 10}},
      {"#H", "ShakeSensitivity", &P::ShakeSensitivity, {0, 10}},
      {"#H", "GestureTrail", &P::GestureTrail},
      {"#H", "MonitorNum", &P::MonitorNum, {0, 64}},
      {"#H", "ShowToolPalette", &P::ShowToolPalette},
      {"#H", "FirstExecution", &P::FirstExecution},
  };
  return table;
}

const char* const RecentKeys[3] = {"RecentProfiles_Factory", "RecentProfiles_User", "RecentProfiles_All"};

std::vector<std::string>* RecentLists[3] = {&profile::RecentFactoryProfiles, &profile::RecentUserProfiles, &profile::RecentProfiles};

}  // namespace

std::string PreferencesPath() { return UserProfilesFolder + "Config.ini"; }

void LoadPreferences() {
  store::TXRLIniFile ini(PreferencesPath());
  for (const Setting& s : Settings()) {
    ini.Section = s.section;
    if (auto b = std::get_if<bool TPreferences::*>(&s.field)) {
      Prefs.*(*b) = ini.ReadBool(s.key, Prefs.*(*b));
    } else {
      int TPreferences::*f = std::get<int TPreferences::*>(s.field);
      Prefs.*f = std::clamp(ini.ReadInteger(s.key, Prefs.*f), s.range.min, s.range.max);
    }
  }
  ini.Section = "#H";
  Prefs.ConfigFileName = ini.ReadString("ConfigFileName", "");
  // Every start is in tray mode; the editor may switch it off until the program ends.
  Prefs.TrayIcon = true;
  for (int list = 0; list < 3; ++list) {
    RecentLists[list]->clear();
    for (int n = 19; n >= 0; --n) {
      std::string path = ini.ReadString(std::string(RecentKeys[list]) + std::to_string(n), "");
      if (!path.empty() && platform::os().files().Exists(path)) {
        auto& l = *RecentLists[list];
        l.erase(std::remove_if(l.begin(), l.end(), [&](const std::string& p) { return base::SamePath(p, path); }),
                l.end());
        l.insert(l.begin(), path);
      }
    }
  }
  profile::ChooseStartupProfile();
}

bool SavePreferences() {
  store::TXRLIniFile ini = store::TXRLIniFile::Fresh(PreferencesPath());
  Prefs.FirstExecution = false;
  bool configNameWritten = false;
  for (const Setting& s : Settings()) {
    ini.Section = s.section;
    if (!configNameWritten && std::string_view(s.section) == "#H") {
      ini.WriteString("ConfigFileName", profile::ConfigFileNameForSave());
      configNameWritten = true;
    }
    if (auto b = std::get_if<bool TPreferences::*>(&s.field))
      ini.WriteBool(s.key, Prefs.*(*b));
    else
      ini.WriteInteger(s.key, Prefs.*std::get<int TPreferences::*>(s.field));
  }
  ini.Section = "#H";
  for (int list = 0; list < 3; ++list) {
    const auto& l = *RecentLists[list];
    for (int n = static_cast<int>(l.size()) - 1; n >= 0; --n)
      ini.WriteString(std::string(RecentKeys[list]) + std::to_string(n), l[static_cast<std::size_t>(n)]);
  }
  return ini.UpdateFile();
}

}  // namespace session
