#include "session/command_line.h"

#include "base/strings.h"
#include "session/A_paths.h"
#include "app/F_main.h"
#include "platform/platform.h"

namespace session {

CommandLineOptions CommandLine;

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
  CommandLine = ParseCommandLine(platform::os().shell().CommandLineArguments());
  app::BatchMode = CommandLine.BatchMode();
  platform::os().diagnostics().SetVerbose(CommandLine.debugOutput);
}

}  // namespace session
