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

// This program's switches, and whether one of the maintenance switches made
// it a batch job: it runs the job and quits after 2 s, without loading or
// saving a profile and without message boxes.
CommandLineOptions& CommandLine();
bool BatchMode();

CommandLineOptions ParseCommandLine(const std::vector<std::string>& args);
// Reads the process's arguments into CommandLine() and sets BatchMode().
void ReadCommandLine();

}  // namespace session
