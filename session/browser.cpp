#include "session/browser.h"

#include "base/strings.h"
#include "platform/platform.h"
#include "session/session_state.h"

namespace session {

TBrowser& Browser() { return State().browser; }

namespace {

// The shell only answers for a file that exists, so a page must be made for the
// question. It gets a name of its own in the temporary folder: a fixed name in a
// folder of the user's would overwrite and then delete a file of theirs.
std::string UnusedProbePath() {
  auto& files = platform::os().files();
  std::string folder = platform::os().shell().TempFolder();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  if (!folder.empty() && !files.IsFolder(folder)) files.CreateFolders(folder);
  for (int n = 0; n < 10000; ++n) {
    std::string path = folder + "VelmoraBrowserProbe" + std::to_string(n) + ".htm";
    if (!files.Exists(path)) return path;
  }
  return {};
}

}  // namespace

void DetectDefaultBrowser() {
  TBrowser& b = Browser();
  b = {};
  auto& files = platform::os().files();
  std::string probe = UnusedProbePath();
  if (probe.empty() || !files.ReplaceFile(probe, "")) return;
  auto program = platform::os().shell().ExecutableFor(probe);
  files.Delete(probe);
  if (!program || program->empty()) return;
  b.path = *program;
  std::string name = base::FileNameOf(b.path);
  b.kind = !name.empty() && (name[0] == 'N' || name[0] == 'n') ? "NETSCAPE" : "IExplore";
}

}  // namespace session
