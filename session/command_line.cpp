#include "session/command_line.h"

#include "base/strings.h"
#include "platform/platform.h"
#include "session/session_state.h"

namespace session {

CommandLineOptions& CommandLine() { return State().commandLine; }
bool BatchMode() { return State().BatchMode; }

CommandLineOptions ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineOptions o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string a = base::UpperCase(args[i]);
    if (i == 0 && base::UpperCase(base::ExtensionOf(args[i])) == ".KVX" && platform::HasPlatform() &&
        platform::os().files().Exists(args[i]))
      o.profileArgument = args[i];
    if (a == "-DEBUG") o.debugOutput = true;
    if (a.size() == 9 && a.rfind("-SPLASH=", 0) == 0 && a[8] >= '0' && a[8] <= '4')
      o.splashTimeMs = (a[8] - '0') * 1000;
    if (a == "/DEBUG") o.debugWindows = true;
    if (a == "/LISTREQUIREDHELPFILES") o.listRequiredHelpFiles = true;
    if (a == "/REMOVEUNUSEDHELPFILES") o.removeUnusedHelpFiles = true;
    if (a == "/UPDATETRANSLATIONFILE") o.updateTranslationFile = true;
  }
  return o;
}

void ReadCommandLine() {
  SessionState& s = State();
  s.commandLine = ParseCommandLine(platform::os().shell().CommandLineArguments());
  s.BatchMode = s.commandLine.BatchMode();
  platform::os().diagnostics().SetVerbose(s.commandLine.debugOutput);
}

}  // namespace session
