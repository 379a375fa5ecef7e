// The program's preferences (Config.ini in the user profiles folder). Every key
// is described once in a table that drives both reading and writing.
#pragma once
#include <string>
#include <vector>

namespace session {

struct TPreferences {
  // Section "#C"
  bool SwivoRemoteEnabled = true;
  bool SwivoMouseEnabled = true;
  bool ShowMCETools = false;
  // Section "#H"
  std::string ConfigFileName;  // empty: the default profile
  int FormLeft = 2147483647;
  int FormTop = 2147483647;
  bool ShowHints = true;
  bool ShowTips = true;
  int NextTipNum = 0;
  bool StartMinimized = false;
  bool TrayIcon = false;
  bool AutoConfigure = true;
  bool VideoFreezeWarning = false;
  bool ForcePrevious = false;
  int HotspotCornerSize = 5;
  int HotspotHoldTime = 1000;
  bool DeviceButtonsEnabled = true;
  bool MouseClicksEnabled = true;
  bool RGesturesEnabled = true;
  bool ShakeGesturesEnabled = true;
  bool HotspotsEnabled = true;
  bool PowerpointEnabled = true;
  bool ScheduledEnabled = true;
  bool KeystrokesEnabled = true;
  int GestureSensitivity = 5;
  int ShakeSensitivity = 5;
  bool GestureTrail = true;
  int MonitorNum = 0;
  bool ShowToolPalette = true;
  bool FirstExecution = true;
};

// The recent-profile lists that Config.ini keeps, newest first.
inline constexpr int MaxRecentProfiles = 20;
struct TRecentProfiles {
  std::vector<std::string> RecentFactoryProfiles;
  std::vector<std::string> RecentUserProfiles;
  std::vector<std::string> RecentProfiles;  // all of them
};

// This program's preferences and recent lists.
TPreferences& Prefs();
TRecentProfiles& Recent();

// Reads Config.ini: missing keys keep their defaults, values out of range are
// limited; the recent lists keep only files that exist.
void LoadPreferences();
// Writes Config.ini whole, with the profile name the profile gives
// ("ConfigFileName"); false when the write failed (the old file is kept).
bool SavePreferences(const std::string& configFileName);
std::string PreferencesPath();

}  // namespace session
