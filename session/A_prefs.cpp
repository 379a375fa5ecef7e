#include "session/A_prefs.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "base/strings.h"
#include "platform/platform.h"
#include "session/A_paths.h"
#include "session/session_state.h"
#include "store/XRLIniFile.h"

namespace session {

TPreferences& Prefs() { return State().prefs; }
TRecentProfiles& Recent() { return State().recent; }

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

std::vector<std::string>* RecentList(int n) {
  TRecentProfiles& r = Recent();
  std::vector<std::string>* lists[3] = {&r.RecentFactoryProfiles, &r.RecentUserProfiles, &r.RecentProfiles};
  return lists[n];
}

}  // namespace

std::string PreferencesPath() { return Folders().UserProfilesFolder + "Config.ini"; }

void LoadPreferences() {
  TPreferences& prefs = Prefs();
  store::TXRLIniFile ini(PreferencesPath());
  for (const Setting& s : Settings()) {
    ini.Section = s.section;
    if (auto b = std::get_if<bool TPreferences::*>(&s.field)) {
      prefs.*(*b) = ini.ReadBool(s.key, prefs.*(*b));
    } else {
      int TPreferences::*f = std::get<int TPreferences::*>(s.field);
      prefs.*f = std::clamp(ini.ReadInteger(s.key, prefs.*f), s.range.min, s.range.max);
    }
  }
  ini.Section = "#H";
  prefs.ConfigFileName = ini.ReadString("ConfigFileName", "");
  // Every start is in tray mode; the editor may switch it off until the program ends.
  prefs.TrayIcon = true;
  for (int list = 0; list < 3; ++list) {
    RecentList(list)->clear();
    for (int n = MaxRecentProfiles - 1; n >= 0; --n) {
      std::string path = ini.ReadString(std::string(RecentKeys[list]) + std::to_string(n), "");
      if (!path.empty() && platform::os().files().Exists(path)) {
        auto& l = *RecentList(list);
        l.erase(std::remove_if(l.begin(), l.end(), [&](const std::string& p) { return base::SamePath(p, path); }),
                l.end());
        l.insert(l.begin(), path);
      }
    }
  }
}

bool SavePreferences(const std::string& configFileName) {
  TPreferences& prefs = Prefs();
  store::TXRLIniFile ini = store::TXRLIniFile::Fresh(PreferencesPath());
  prefs.FirstExecution = false;
  bool configNameWritten = false;
  for (const Setting& s : Settings()) {
    ini.Section = s.section;
    if (!configNameWritten && std::string_view(s.section) == "#H") {
      ini.WriteString("ConfigFileName", configFileName);
      configNameWritten = true;
    }
    if (auto b = std::get_if<bool TPreferences::*>(&s.field))
      ini.WriteBool(s.key, prefs.*(*b));
    else
      ini.WriteInteger(s.key, prefs.*std::get<int TPreferences::*>(s.field));
  }
  ini.Section = "#H";
  for (int list = 0; list < 3; ++list) {
    const auto& l = *RecentList(list);
    for (int n = static_cast<int>(l.size()) - 1; n >= 0; --n)
      ini.WriteString(std::string(RecentKeys[list]) + std::to_string(n), l[static_cast<std::size_t>(n)]);
  }
  return ini.UpdateFile();
}

}  // namespace session
