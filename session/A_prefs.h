// The program's preferences (Config.ini in the user profiles folder). Every key
// is described once in a table that drives both reading and writing.
#pragma once
#include <string>

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

extern TPreferences Prefs;

// Reads Config.ini (missing keys keep their defaults, values out of range are
// limited) and chooses the start-up profile.
void LoadPreferences();
// Writes Config.ini whole; false when the write failed (the old file is kept).
bool SavePreferences();
std::string PreferencesPath();

}  // namespace session
