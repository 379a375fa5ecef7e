// The switches of the main program's command line. Each argument is compared in
// upper case; unrecognised arguments are ignored.
#pragma once
#include <string>
#include <vector>

namespace session {

struct CommandLineOptions {
  std::string profileArgument;  // first argument, when it names an existing ".kvx" file
  bool debugOutput = false;     // "-DEBUG"
  int splashTimeMs = 3000;      // "-SPLASH=0" .. "-SPLASH=4"
  bool debugWindows = false;    // "/DEBUG"
  bool listRequiredHelpFiles = false;
  bool removeUnusedHelpFiles = false;
  bool updateTranslationFile = false;
  bool BatchMode() const { return listRequiredHelpFiles || removeUnusedHelpFiles || updateTranslationFile; }
};

extern CommandLineOptions CommandLine;

CommandLineOptions ParseCommandLine(const std::vector<std::string>& args);
// Reads the process's arguments into CommandLine and sets BatchMode.
void ReadCommandLine();

}  // namespace session
