// The session room's state: what this run of the program knows of its
// machine and its desktop. One object per program (base/program_state.h).
#pragma once
#include "platform/types.h"
#include "session/A_paths.h"
#include "session/A_prefs.h"
#include "session/browser.h"
#include "session/command_line.h"
#include "session/screen_metrics.h"

namespace base {
class ProgramSteps;
}

namespace session {

struct SessionState {
  TFolders folders;
  TPreferences prefs;
  TRecentProfiles recent;
  CommandLineOptions commandLine;
  bool BatchMode = false;
  TScreenMetrics screens;
  TBrowser browser;
  platform::WindowHandle ControlWindowHandle;  // set when the control window is made
  platform::WindowHandle LastForeignWindow;    // kept by the control window's fast timer
};

SessionState& State();

// The room's work in the program's steps: the command line, the screens,
// folders and browser ("Set Constants"), the preferences ("Load Preferences").
void RegisterSteps(base::ProgramSteps& steps);

}  // namespace session
