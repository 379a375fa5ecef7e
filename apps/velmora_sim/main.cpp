// velmora-sim: the main program on the simulated desktop, driven by a script.
// It prints the trace of what the system did, one line per step, and fails
// when the trace misses what the script expects.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "apps/velmora_sim/sim_commands.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: velmora-sim --script FILE [--root DIR] [--trace FILE] [--quiet]\n"
               "  --root DIR   host folder that stands for the simulated drives (default: a new temp folder)\n"
               "  --trace FILE also write the trace to FILE\n"
               "  --quiet      do not echo the trace\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string scriptPath, root, tracePath;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--script" && i + 1 < argc) scriptPath = argv[++i];
    else if (a == "--root" && i + 1 < argc) root = argv[++i];
    else if (a == "--trace" && i + 1 < argc) tracePath = argv[++i];
    else if (a == "--quiet") quiet = true;
    else return Usage();
  }
  if (scriptPath.empty()) return Usage();
  std::ifstream in(scriptPath);
  if (!in) {
    std::fprintf(stderr, "velmora-sim: cannot read %s\n", scriptPath.c_str());
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (root.empty()) {
    char pattern[] = "/tmp/velmora-sim-XXXXXX";
    if (!mkdtemp(pattern)) return 2;
    root = pattern;
  }
  std::filesystem::create_directories(root);

  platform::sim::ScriptTimeline script(text.str());
  platform::sim::DesktopOptions options;
  options.hostRoot = root;
  platform::sim::SimDesktop desktop(options);
  desktop.trace().SetEcho(!quiet);
  velmora_sim::MainProgram program;
  velmora_sim::InstallProgram(desktop, script, program);
  int code = velmora_sim::RunScript(desktop, script);
  if (!tracePath.empty()) {
    std::ofstream out(tracePath);
    for (const auto& line : desktop.trace().lines()) out << line << "\n";
  }
  // A run that missed an expectation or met a malformed line fails.
  platform::sim::ScriptResult result = script.Finish(desktop.trace());
  if (!result.passed) {
    std::fflush(stdout);
    std::fprintf(stderr, "velmora-sim: %s: %s", scriptPath.c_str(), result.report.c_str());
    return code != 0 ? code : 1;
  }
  return code;
}
