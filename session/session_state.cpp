#include "session/session_state.h"

#include "base/program_state.h"
#include "base/program_steps.h"

namespace session {

SessionState& State() { return base::CurrentProgram().Get<SessionState>(); }

void RegisterSteps(base::ProgramSteps& steps) {
  steps.Add("Process Command-line Parameters", ReadCommandLine);
  steps.Add("Set Constants", [] {
    MeasureScreens();
    SetFolders(CommandLine().debugWindows);
    DetectDefaultBrowser();
  });
  steps.Add("Load Preferences", LoadPreferences);
}

}  // namespace session
